#pragma once

#include <QDialog>

class TFormMainBase;
class TFormMainBaseImpl;

// The base of every dialog: it finds the main window through its owner (the parent it was
// created with), enters itself in the main window's list of open windows and logs through it.
// A dialog without a main window as owner simply does neither.
class TFormSecondaryBase : public QDialog
{
    Q_OBJECT

public:
    explicit TFormSecondaryBase(QWidget* owner = nullptr);

    // Shown modally, the dialog blocks its owner's windows only: the tray icon's own window
    // goes on answering while the dialog waits.
    int exec() override;

    TFormMainBase* getMainFormBase() const;
    TFormMainBaseImpl* getMainForm() const;

    void registerInMainForm();
    void unregisterFromMainForm();
    // A desktop dialog this window opens (colour, file) while it is shown.
    void onDialogShow(QWidget* dialog);
    void onDialogClose(QWidget* dialog);

    void writeLog(quint8 type, const QString& source, const QString& text);
};
