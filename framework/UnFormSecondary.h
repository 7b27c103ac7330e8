#pragma once

#include "framework/UnFormSecondaryBase.h"

class CWindowPlace;

// A dialog that stands in the main window's list of open windows exactly while it is shown,
// however it is hidden: closed, accepted, rejected or hidden by the program; hidden with the
// main window into the tray it is still open, until it is closed there. Dialogs put their own
// work on showing and closing into formShow() and formClose().
class TFormSecondary : public TFormSecondaryBase
{
    Q_OBJECT

public:
    explicit TFormSecondary(QWidget* owner = nullptr);
    // A dialog deleted while shown leaves the list too.
    ~TFormSecondary() override;

    // Where the dialog stands and comes back to.
    CWindowPlace& windowPlace() const { return *m_Place; }

protected:
    // After the dialog has entered the list; sets captions and fills controls.
    virtual void formShow() { }
    // After the dialog has left the list.
    virtual void formClose() { }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void leaveMainForm();

    CWindowPlace* m_Place;
    bool m_Registered = false;
};
