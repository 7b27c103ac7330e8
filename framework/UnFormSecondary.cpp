#include "framework/UnFormSecondary.h"

#include "framework/Handlerguard.h"
#include "framework/UnFormMainBase.h"
#include "framework/Windowplace.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QShowEvent>

TFormSecondary::TFormSecondary(QWidget* owner)
    : TFormSecondaryBase(owner)
    , m_Place(new CWindowPlace(this))
{
}

TFormSecondary::~TFormSecondary()
{
    // Qt sends no hide event to a window being deleted. A main window being destroyed is no
    // longer found as one, so its dead list is never touched.
    if (m_Registered)
        unregisterFromMainForm();
}

void TFormSecondary::showEvent(QShowEvent* event)
{
    TFormSecondaryBase::showEvent(event);
    // The desktop shows a window again when its owner comes back from minimised; that is no
    // new showing.
    if (event->spontaneous() || m_Registered)
        return;
    registerInMainForm();
    m_Registered = true;
    CHandlerGuard::run("TFormSecondary::FormShow", [this] { formShow(); });
}

void TFormSecondary::hideEvent(QHideEvent* event)
{
    TFormSecondaryBase::hideEvent(event);
    if (event->spontaneous() || !m_Registered)
        return;
    if (const TFormMainBase* main = getMainFormBase();
        main != nullptr && main->isHidingAllWindows())
        return;
    leaveMainForm();
}

void TFormSecondary::closeEvent(QCloseEvent* event)
{
    TFormSecondaryBase::closeEvent(event);
    // Hidden with the main window, the dialog gets no hide event when it is closed.
    if (event->isAccepted() && m_Registered && isHidden())
        leaveMainForm();
}

void TFormSecondary::leaveMainForm()
{
    unregisterFromMainForm();
    m_Registered = false;
    CHandlerGuard::run("TFormSecondary::FormClose", [this] { formClose(); });
}
