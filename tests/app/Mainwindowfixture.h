#pragma once

#include "app/UnFormMain.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QPlainTextEdit>
#include <QTest>

#include <memory>

// The real main window, shown offscreen, with the user's settings and documents in a
// temporary folder, the dialogs scripted and the notification area faked.
class CMainWindowTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
    }

    void TearDown() override
    {
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
        m_Window->codeEditor()->setFocus();
        return *m_Window;
    }

    QPlainTextEdit& editor() { return *m_Window->codeEditor(); }
    QString editorText() const { return m_Window->codeEditor()->toPlainText(); }
    QString paneText() const { return m_Window->messagesPane()->toPlainText(); }

    void typeText(const QString& text) { QTest::keyClicks(m_Window->codeEditor(), text); }
    void press(QKeySequence keys) { QTest::keySequence(m_Window.get(), keys); }
    void trigger(const char* action) { m_Window->findAction(QLatin1String(action))->trigger(); }

    QString docPath(const QString& name) const { return docsFolder() + QLatin1Char('/') + name; }

    CFakeTrayBackend::TState m_Tray;
    std::unique_ptr<TFormMain> m_Window;
};
