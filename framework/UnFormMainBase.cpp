#include "framework/UnFormMainBase.h"

#include "framework/Windowplace.h"

#include <algorithm>

namespace {

// Brought back as the user last saw it, not minimised, whatever the desktop did to it meanwhile.
// Shown first: clearing the minimised state of a hidden window maps it at once, before the
// toolkit has written its states (always on top) for the desktop to read, and the desktop then
// keeps the window without them.
void showAndActivate(QWidget* window, bool activate = true)
{
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    if (activate)
        window->activateWindow();
}

} // namespace

TFormMainBase::TFormMainBase(QWidget* parent)
    : QMainWindow(parent)
    , m_Place(new CWindowPlace(this))
{
    m_WindowList.reserve(kInitialWindowListCapacity);
    m_WindowListCapacity = kInitialWindowListCapacity;
}

TFormMainBase* TFormMainBase::findMainBase(QWidget* widget)
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (auto* main = qobject_cast<TFormMainBase*>(w))
            return main;
    }
    return nullptr;
}

void TFormMainBase::addWindow(QWidget* form)
{
    if (form != nullptr)
        append({form, nullptr});
}

void TFormMainBase::addDialog(QWidget* dialog)
{
    if (dialog != nullptr)
        append({nullptr, dialog});
}

void TFormMainBase::removeWindow(QWidget* form)
{
    if (form != nullptr)
        removeFirst(false, form);
}

void TFormMainBase::removeDialog(QWidget* dialog)
{
    if (dialog != nullptr)
        removeFirst(true, dialog);
}

bool TFormMainBase::isWindowOpen(const QString& className) const
{
    for (const CHandleInfo& entry : m_WindowList) {
        if (entry.form && QLatin1String(entry.form->metaObject()->className()) == className)
            return true;
    }
    return false;
}

bool TFormMainBase::isModalWindowOpen() const
{
    for (const CHandleInfo& entry : m_WindowList) {
        const QWidget* window = entry.form ? entry.form.data() : entry.dialog.data();
        if (window != nullptr && window->isVisible() && window->isModal())
            return true;
    }
    return false;
}

bool TFormMainBase::showWindow(const QString& className)
{
    for (const CHandleInfo& entry : m_WindowList) {
        if (entry.form && QLatin1String(entry.form->metaObject()->className()) == className) {
            showAndActivate(entry.form);
            return true;
        }
    }
    return false;
}

void TFormMainBase::showAllWindows()
{
    // Showing may run handlers that change the list: walk a copy.
    const std::vector<CHandleInfo> entries = m_WindowList;
    // While this window stays minimised, in the tray or not, only the dialogs that wait come
    // forward; the others come back with it.
    const bool away = isMinimized();
    if (!away)
        m_HiddenWindows.clear();
    // While a dialog waits, only the waiting ones are activated: the others take no input, and
    // an activation asked for a window not mapped yet is carried out once it is, so one of
    // theirs could come last and leave the keyboard where nothing answers it.
    const bool waiting = isModalWindowOpen();
    for (const CHandleInfo& entry : entries) {
        // A desktop dialog is listed just before it opens and may never have; showing it
        // then would put up a dialog nobody waits on.
        QWidget* window = entry.form                                  ? entry.form.data()
                          : entry.dialog && entry.dialog->isVisible() ? entry.dialog.data()
                                                                      : nullptr;
        if (window != nullptr && (!away || window->isModal()))
            showAndActivate(window, !waiting || window->isModal());
    }
}

void TFormMainBase::hideAllWindows()
{
    const std::vector<CHandleInfo> entries = m_WindowList;
    m_HidingAllWindows = true;
    for (const CHandleInfo& entry : entries) {
        if (entry.form && entry.form->isVisible() && !entry.form->isModal()) {
            m_HiddenWindows.emplace_back(entry.form);
            entry.form->hide();
        }
    }
    m_HidingAllWindows = false;
}

bool TFormMainBase::isHiddenWithMainWindow(const QWidget* form) const
{
    return form != nullptr && form->isHidden()
           && std::find(m_HiddenWindows.begin(), m_HiddenWindows.end(), form)
                  != m_HiddenWindows.end();
}

int TFormMainBase::getWindowListCount() const
{
    return static_cast<int>(m_WindowList.size());
}

int TFormMainBase::getWindowListCapacity() const
{
    return m_WindowListCapacity;
}

TFormMainBase::CHandleInfo TFormMainBase::getWindowListEntry(int index) const
{
    if (index < 0 || index >= getWindowListCount())
        return {};
    return m_WindowList[static_cast<size_t>(index)];
}

void TFormMainBase::append(const CHandleInfo& entry)
{
    if (getWindowListCount() == m_WindowListCapacity) {
        m_WindowListCapacity = m_WindowListCapacity == 0 ? 1 : m_WindowListCapacity * 2;
        m_WindowList.reserve(static_cast<size_t>(m_WindowListCapacity));
    }
    m_WindowList.push_back(entry);
}

void TFormMainBase::removeFirst(bool isDialog, const QWidget* widget)
{
    for (auto it = m_WindowList.begin(); it != m_WindowList.end(); ++it) {
        const QWidget* held = isDialog ? it->dialog.data() : it->form.data();
        if (held == widget) {
            m_WindowList.erase(it);
            if (!isDialog)
                std::erase(m_HiddenWindows, widget);
            return;
        }
    }
}
