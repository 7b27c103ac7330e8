#pragma once

#include "app/UnFormMain.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// A style draws a check mark for a checked entry without an icon: what a menu asks the style
// to draw for the action tells whether the user sees one.
inline bool menuShowsCheckMark(QAction* action)
{
    struct CMenuProbe : QMenu
    {
        using QMenu::initStyleOption;
    } probe;
    probe.addAction(action);
    QStyleOptionMenuItem option;
    probe.initStyleOption(&option, action);
    return option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked
           && option.icon.isNull();
}

// The real main window, shown offscreen, with the user's settings and documents in a
// temporary folder, the dialogs scripted and the notification area faked.
class CMainWindowTest : public CWindowTest
{
protected:
    void SetUp() override { CWindowTest::SetUp(); }

    void TearDown() override
    {
        m_ModalAct.reset();
        if (m_Window != nullptr) {
            m_Window->codeEditor()->document()->setModified(false);
            m_Window->close();
            m_Window.reset();
        }
        CWindowTest::TearDown();
    }

    // Writes the ini file beside the executable before the window reads it.
    void writeIni(const QByteArray& content) { writeFile(iniPath(), content); }

    TFormMain& openWindow()
    {
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_Window.get()));
        m_Window->activateWindow();
        // Activation arrives later on a busy machine; arriving after a dialog has opened, it
        // would take the dialog's short-cuts away.
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_Window.get()));
        m_Window->codeEditor()->setFocus();
        return *m_Window;
    }

    QPlainTextEdit& editor() { return *m_Window->codeEditor(); }
    QString editorText() const { return m_Window->codeEditor()->toPlainText(); }
    QString paneText() const { return m_Window->messagesPane()->toPlainText(); }

    // Types as the user does, line breaks and characters beyond ASCII included.
    void typeText(const QString& text)
    {
        QWidget* target = m_Window->codeEditor();
        for (const QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(target, Qt::Key_Return);
            else if (c == QLatin1Char('\t'))
                QTest::keyClick(target, Qt::Key_Tab);
            else if (c.unicode() < 128)
                QTest::keyClick(target, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    // Keys go where the user's would: to the focused widget of the main window, made active
    // again after a dialog, so a widget that takes a key itself gets it before any short cut.
    void press(QKeySequence keys)
    {
        QApplication::setActiveWindow(m_Window.get());
        QWidget* focused = m_Window->focusWidget();
        QTest::keySequence(focused != nullptr ? focused : m_Window.get(), keys);
    }

    // Acts on the modal dialog the next command opens, while it waits for an answer, once it
    // is the active window. The act belongs to this test: it is dropped when the test ends.
    void whenModal(std::function<void(QWidget*)> act)
    {
        m_ModalAct = std::make_unique<QObject>();
        whenModalActive(m_ModalAct.get(), std::move(act));
    }
    void trigger(const char* action) { m_Window->findAction(QLatin1String(action))->trigger(); }

    QString docPath(const QString& name) const { return docsFolder() + QLatin1Char('/') + name; }

    std::unique_ptr<QObject> m_ModalAct;
    CFakeTrayBackend::TState m_Tray;
    std::unique_ptr<TFormMain> m_Window;
};
