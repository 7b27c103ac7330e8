#include "framework/UnFormMainBaseImpl.h"

#include "framework/Dialogseams.h"
#include "framework/Fileextension.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"
#include "framework/Stringutils.h"
#include "platform/Executablelocation.h"
#include "platform/Taskbarentry.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

// The tray policy's view of this window. Where the desktop has no separate application
// window, the taskbar button belongs to the main window itself.
class TFormMainBaseImpl::CWindows : public CSystemIconWindows
{
public:
    explicit CWindows(TFormMainBaseImpl* window)
        : m_Window(window)
    {
    }

    void setTaskBarButtonVisible(bool visible) override
    {
        if (m_Window->isMinimized() && !visible) {
            hideMainWindow();
            return;
        }
        const bool toolWindow = !visible;
        if (m_Window->windowFlags().testFlag(Qt::Tool) == toolWindow)
            return;
        // Changing the flags re-creates the native window, which hides it. A tool window
        // also loses WA_QuitOnClose, and closing the main window would then no longer end
        // the program.
        const bool wasVisible = m_Window->isVisible();
        const bool quitOnClose = m_Window->testAttribute(Qt::WA_QuitOnClose);
        m_Window->setWindowFlag(Qt::Tool, toolWindow);
        m_Window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
        if (wasVisible)
            m_Window->show();
    }
    void showMainWindow() override { m_Window->show(); }
    // Its open windows go to the tray with it, and their taskbar buttons with them.
    void hideMainWindow() override
    {
        m_Window->hideAllWindows();
        m_Window->hide();
    }
    void restoreMainWindow() override
    {
        m_Window->setWindowState(m_Window->windowState() & ~Qt::WindowMinimized);
        m_Window->show();
    }
    // While a dialog waits, the keyboard belongs to it (see TFormMainBase::showAllWindows).
    // A window in the tray or minimised is not activated: the toolkit keeps that activation
    // until the window is on the screen again, when it would take the keyboard from a dialog
    // that waits by then.
    void bringMainWindowToFront() override
    {
        m_Window->raise();
        if (!m_Window->isModalWindowOpen() && m_Window->isVisible() && !m_Window->isMinimized())
            m_Window->activateWindow();
    }
    bool isModalWindowOpen() const override { return m_Window->isModalWindowOpen(); }
    void showAllWindows() override { m_Window->showAllWindows(); }
    bool isMainWindowInTray() const override
    {
        return m_Window->isMinimized() && !m_Window->isVisible();
    }

private:
    TFormMainBaseImpl* m_Window;
};

TFormMainBaseImpl::TFormMainBaseImpl(QWidget* parent, std::unique_ptr<CTrayBackend> trayBackend)
    : TFormMainBase(parent)
    , m_Windows(std::make_unique<CWindows>(this))
{
    m_Log = CFileLog::acquire();
    m_Log->setFileName(getLogFileName());
    m_Log->setFolder(CExecutableLocation::folder());
    try {
        if (trayBackend == nullptr)
            trayBackend = makeDesktopTrayBackend();
        m_SystemIcon = std::make_unique<CApplicationSystemIcon>(m_Windows.get(),
                                                                std::move(trayBackend),
                                                                QApplication::applicationName());
    } catch (...) {
        writeLog(CFileLog::TYPE_SYSTEM_ERROR,
                 QStringLiteral("TFormMainBaseImpl::TFormMainBaseImpl"),
                 QStringLiteral("The error at creating of object of 'CApplicationSystemIcon'."));
    }
    CHandlerGuard::setLogger([this](quint8 type, const QString& source, const QString& text) {
        writeLog(type, source, text);
    });
}

TFormMainBaseImpl::~TFormMainBaseImpl()
{
    CHandlerGuard::setLogger(nullptr);
    try {
        m_SystemIcon.reset();
    } catch (...) {
        writeLog(CFileLog::TYPE_SYSTEM_ERROR, QStringLiteral("TFormMainBaseImpl::FormDestroy"),
                 QStringLiteral("The error at deleting of object of 'CApplicationSystemIcon'."));
    }
    CFileLog::release();
    m_Log = nullptr;
}

void TFormMainBaseImpl::writeLog(quint8 type, const QString& source, const QString& text)
{
    try {
        if (m_Log != nullptr && m_OptionsFormMain.WriteLogs)
            m_Log->add(type, source, makeOneLine(text));
    } catch (...) {
    }
}

void TFormMainBaseImpl::writeLog(quint8 type, const QString& text)
{
    try {
        if (m_Log != nullptr && m_OptionsFormMain.WriteLogs)
            m_Log->add(type, makeOneLine(text));
    } catch (...) {
    }
}

void TFormMainBaseImpl::writeLog(const QString& text)
{
    try {
        if (m_Log != nullptr && m_OptionsFormMain.WriteLogs)
            m_Log->add(makeOneLine(text));
    } catch (...) {
    }
}

void TFormMainBaseImpl::onRMouseClickTrayIcon()
{
    CDialogSeams::current().showMessage(this,
                                        QStringLiteral("TFormMainBaseImpl::onRMouseClickTrayIcon"),
                                        QApplication::applicationName(), TMessageIcon::Information,
                                        TMessageButtons::Ok, TMessageAnswer::Ok);
}

void TFormMainBaseImpl::setOptionsAndSave(const TOptionsFormMain&, const TOptionsEditor&,
                                          const TOptionsWinMsg&, const TOptionsViewResult&,
                                          const TOptionsFormViewResults&)
{
}

void TFormMainBaseImpl::bringToFront()
{
    if (m_SystemIcon != nullptr)
        m_SystemIcon->bringToFront();
}

void TFormMainBaseImpl::restoreFromTray()
{
    if (m_SystemIcon != nullptr)
        m_SystemIcon->restore();
}

void TFormMainBaseImpl::applyTrayOptions()
{
    if (m_SystemIcon == nullptr)
        return;
    m_SystemIcon->setShowTrayIcon(m_OptionsFormMain.ShowSystemTrayIcon);
    m_SystemIcon->setMinimizeToTaskBar(m_OptionsFormMain.MinimizeToTaskBar);
    m_SystemIcon->setShowTaskBarIcon(m_OptionsFormMain.ShowTaskBarIcon);
    m_SystemIcon->apply();
}

void TFormMainBaseImpl::refreshTrayIcon()
{
    if (m_SystemIcon != nullptr && m_OptionsFormMain.ShowSystemTrayIcon)
        m_SystemIcon->refresh();
}

void TFormMainBaseImpl::setOnRMouseClickTrayIcon(std::function<void()> handler)
{
    if (m_SystemIcon != nullptr)
        m_SystemIcon->setOnRMouseClick(std::move(handler));
}

void TFormMainBaseImpl::registerFileExtension()
{
    ::registerFileExtension();
}

void TFormMainBaseImpl::unregisterFileExtension()
{
    ::unregisterFileExtension();
}

void TFormMainBaseImpl::setViewResultWindow(int top, int left, int width, int height, int fontSize,
                                            bool wordWrap, bool showToolBar)
{
    m_OptionsFormViewResults.Top = top;
    m_OptionsFormViewResults.Left = left;
    m_OptionsFormViewResults.Width = width;
    m_OptionsFormViewResults.Height = height;
    m_OptionsFormViewResults.FontSize = fontSize;
    m_OptionsFormViewResults.WrapWord = wordWrap;
    m_OptionsFormViewResults.ShowToolBar = showToolBar;
}

void TFormMainBaseImpl::loadOptions(TOptionsFormMain& formMain, TOptionsEditor& editor,
                                    TOptionsWinMsg& winMsg, TOptionsViewResult& viewResult,
                                    TOptionsFormViewResults& formViewResults, bool useRegister)
{
    m_OptionsManager.loadAll(formMain, editor, winMsg, viewResult, formViewResults, useRegister);
}

QString TFormMainBaseImpl::makeOneLine(const QString& text)
{
    QString line = trimBlanks(text);
    for (QChar& c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return trimBlanks(line);
}

void TFormMainBaseImpl::showEvent(QShowEvent* event)
{
    TFormMainBase::showEvent(event);
    // Some window managers list a tool window in the taskbar all the same; the native window
    // is new after each change of the tool flag and must be told before it is mapped.
    CHandlerGuard::run("TFormMainBaseImpl::FormShow", [this] {
        setTaskBarEntrySkipped(windowHandle(), windowFlags().testFlag(Qt::Tool));
        windowHandle()->installEventFilter(this);
    });
}

bool TFormMainBaseImpl::eventFilter(QObject* watched, QEvent* event)
{
    // The toolkit lets the desktop's close of a window that is already closing pass its check
    // of the dialogs that block the window, and takes it without asking again: the program
    // would end under the close's own question, its answer unheard.
    if (m_Closing && event->type() == QEvent::Close && watched == windowHandle()) {
        event->ignore();
        return true;
    }
    return TFormMainBase::eventFilter(watched, event);
}

bool TFormMainBaseImpl::event(QEvent* event)
{
    const QScopedValueRollback<bool> closing(m_Closing,
                                             m_Closing || event->type() == QEvent::Close);
    const bool handled = TFormMainBase::event(event);
    // Qt ends the program by itself only when the last window on the screen closes, and a
    // window hidden in the tray is not on it. Queued, so that the close is complete first;
    // outside the program's event loop quit() does nothing.
    if (event->type() == QEvent::Close && event->isAccepted()) {
        QMetaObject::invokeMethod(
            this,
            [] {
                CHandlerGuard::run("TFormMainBaseImpl::FormClose",
                                   [] { QCoreApplication::quit(); });
            },
            Qt::QueuedConnection);
    }
    return handled;
}

void TFormMainBaseImpl::changeEvent(QEvent* event)
{
    TFormMainBase::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || m_SystemIcon == nullptr)
        return;
    // Once minimising is complete: showMinimized() shows the window again right after this
    // event, which would undo hiding it here.
    QTimer::singleShot(0, this, [this] {
        CHandlerGuard::run("TFormMainBaseImpl::onApplicationMinimize", [this] {
            if (isMinimized() && m_SystemIcon != nullptr)
                m_SystemIcon->onMinimize();
        });
    });
}
