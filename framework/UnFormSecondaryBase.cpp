#include "framework/UnFormSecondaryBase.h"

#include "framework/UnFormMainBaseImpl.h"

TFormSecondaryBase::TFormSecondaryBase(QWidget* owner)
    : QDialog(owner)
{
}

int TFormSecondaryBase::exec()
{
    // Without an owner there is nothing to be modal to, and the whole program waits. The
    // modality is set for each showing: the toolkit resets it once the dialog is hidden.
    if (parentWidget() != nullptr)
        setWindowModality(Qt::WindowModal);
    return QDialog::exec();
}

TFormMainBase* TFormSecondaryBase::getMainFormBase() const
{
    return qobject_cast<TFormMainBase*>(parentWidget());
}

TFormMainBaseImpl* TFormSecondaryBase::getMainForm() const
{
    return qobject_cast<TFormMainBaseImpl*>(parentWidget());
}

void TFormSecondaryBase::registerInMainForm()
{
    if (TFormMainBase* main = getMainFormBase())
        main->addWindow(this);
}

void TFormSecondaryBase::unregisterFromMainForm()
{
    if (TFormMainBase* main = getMainFormBase())
        main->removeWindow(this);
}

void TFormSecondaryBase::onDialogShow(QWidget* dialog)
{
    if (TFormMainBase* main = getMainFormBase())
        main->addDialog(dialog);
}

void TFormSecondaryBase::onDialogClose(QWidget* dialog)
{
    if (TFormMainBase* main = getMainFormBase())
        main->removeDialog(dialog);
}

void TFormSecondaryBase::writeLog(quint8 type, const QString& source, const QString& text)
{
    if (TFormMainBaseImpl* main = getMainForm())
        main->writeLog(type, source, text);
}
