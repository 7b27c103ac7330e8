#pragma once

#include <QMainWindow>
#include <QPointer>

#include <vector>

class CWindowPlace;

// The main window's list of open secondary windows and desktop dialogs, so that it can find,
// show and count them. The list does not own them and holds guarded pointers: a window
// deleted while listed is skipped, never used.
class TFormMainBase : public QMainWindow
{
    Q_OBJECT

public:
    // One entry: a secondary window or a desktop dialog (file, colour), never both.
    struct CHandleInfo
    {
        QPointer<QWidget> form;
        QPointer<QWidget> dialog;
    };

    static constexpr int kInitialWindowListCapacity = 15;

    explicit TFormMainBase(QWidget* parent = nullptr);

    // The main window a widget belongs to: the widget itself, its window, or the window's
    // owner chain; nullptr when there is none.
    static TFormMainBase* findMainBase(QWidget* widget);

    // Null widgets are ignored; removing one that is not listed changes nothing.
    void addWindow(QWidget* form);
    void addDialog(QWidget* dialog);
    void removeWindow(QWidget* form);
    void removeDialog(QWidget* dialog);

    // Whether a listed window's class is exactly this name (case-sensitive).
    bool isWindowOpen(const QString& className) const;
    // A listed window or desktop dialog waits for its answer.
    bool isModalWindowOpen() const;
    // Shows and activates the first listed window of that class; false when none is listed.
    bool showWindow(const QString& className);
    // Shows and activates every listed window in list order (coming back from the tray), none
    // of them minimised; deleted windows and desktop dialogs that are not open are skipped.
    // While the main window stays in the tray or minimised, only the modal ones are shown.
    void showAllWindows();
    // The main window goes to the tray: every listed window that is shown and not modal goes
    // with it and stays listed. A modal one stays: hidden, it would stop waiting for its answer.
    void hideAllWindows();
    // True while hideAllWindows() hides them: that hiding closes nothing.
    bool isHidingAllWindows() const { return m_HidingAllWindows; }
    // Hidden with the main window and not shown again since.
    bool isHiddenWithMainWindow(const QWidget* form) const;

    // Where the main window stands and comes back to.
    CWindowPlace& windowPlace() const { return *m_Place; }

    int getWindowListCount() const;
    int getWindowListCapacity() const;
    CHandleInfo getWindowListEntry(int index) const;

private:
    void append(const CHandleInfo& entry);
    void removeFirst(bool isDialog, const QWidget* widget);

    CWindowPlace* m_Place;
    std::vector<CHandleInfo> m_WindowList;
    int m_WindowListCapacity = 0;
    std::vector<QPointer<QWidget>> m_HiddenWindows;
    bool m_HidingAllWindows = false;
};
