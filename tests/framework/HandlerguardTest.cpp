#include "framework/Handlerguard.h"

#include "framework/Filelog.h"
#include "framework/Programexception.h"
#include "platform/Plainfile.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QCoreApplication>

#include <cerrno>
#include <functional>
#include <new>
#include <stdexcept>

namespace {

struct TLogged
{
    quint8 type;
    QString source;
    QString text;
};

// Handlers run with a recording logger in place of a main window's.
class HandlerGuard : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        CHandlerGuard::setLogger([this](quint8 type, const QString& source, const QString& text) {
            m_Logged.push_back({type, source, text});
        });
    }
    void TearDown() override
    {
        CHandlerGuard::setLogger(nullptr);
        CWindowTest::TearDown();
    }

    std::vector<TLogged> m_Logged;
};

TEST_F(HandlerGuard, FailureIsLoggedAndItsTextShown)
{
    struct TCase
    {
        const char* reason;
        std::function<void()> handler;
        QString text;
    };
    const TCase cases[] = {
        {"the program's own error",
         [] { throw CProgramException(QStringLiteral("Division by zero.")); },
         QStringLiteral("Division by zero.")},
        {"a file error",
         [] {
             throw CFileReadException(
                 QString::fromUtf8("Error at reading of a file '\xd1\x84.txt'."));
         },
         QString::fromUtf8("Error at reading of a file '\xd1\x84.txt'.")},
        {"a standard exception", [] { throw std::runtime_error("vector too long"); },
         QStringLiteral("vector too long")},
        {"memory that cannot be had", [] { throw std::bad_alloc(); }, systemReason(ENOMEM)},
        {"anything else", [] { throw 42; }, QStringLiteral("Unknown error.")},
    };
    for (const TCase& c : cases) {
        m_Logged.clear();
        m_Dialogs.messages.clear();
        EXPECT_FALSE(CHandlerGuard::run("TFormMain::FileOpen", c.handler)) << c.reason;
        ASSERT_EQ(m_Logged.size(), 1u) << c.reason;
        EXPECT_EQ(m_Logged[0].type, CFileLog::TYPE_SYSTEM_ERROR) << c.reason;
        EXPECT_EQ(m_Logged[0].source, QStringLiteral("TFormMain::FileOpen")) << c.reason;
        EXPECT_EQ(m_Logged[0].text, c.text) << c.reason;
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].text, c.text) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].caption, QCoreApplication::applicationName()) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].icon, TMessageIcon::Critical) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].buttons, TMessageButtons::Ok) << c.reason;
    }
}

TEST_F(HandlerGuard, HandlerThatSucceedsReportsNothing)
{
    int runs = 0;
    EXPECT_TRUE(CHandlerGuard::run("TFormMain::FileNew", [&] { ++runs; }));
    EXPECT_TRUE(
        CHandlerGuard::runQuiet("TFormMain::FileNew", QStringLiteral("fixed"), [&] { ++runs; }));
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(m_Logged.empty());
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(HandlerGuard, QuietFailureLogsTheFixedTextAndShowsNothing)
{
    const QString fixed = QStringLiteral("The error at executing of operation 'FileSave'.");
    EXPECT_FALSE(CHandlerGuard::runQuiet("TFormMain::FileSave", fixed,
                                         [] { throw std::runtime_error("disk full"); }));
    ASSERT_EQ(m_Logged.size(), 1u);
    EXPECT_EQ(m_Logged[0].type, CFileLog::TYPE_SYSTEM_ERROR);
    EXPECT_EQ(m_Logged[0].source, QStringLiteral("TFormMain::FileSave"));
    EXPECT_EQ(m_Logged[0].text, fixed);
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(HandlerGuard, CancelledCommandPassesSilently)
{
    EXPECT_FALSE(CHandlerGuard::run("TFormMain::FileClose", [] { throw CAbortException(); }));
    EXPECT_FALSE(CHandlerGuard::runQuiet("TFormMain::FileClose", QStringLiteral("fixed"),
                                         [] { throw CAbortException(); }));
    EXPECT_TRUE(m_Logged.empty());
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(HandlerGuard, FailingReportDoesNotEscape)
{
    CHandlerGuard::setLogger(
        [](quint8, const QString&, const QString&) { throw std::runtime_error("log"); });
    EXPECT_FALSE(
        CHandlerGuard::run("TFormMain::FileOpen", [] { throw std::runtime_error("first"); }));
}

TEST_F(HandlerGuard, WithoutALoggerTheFailureIsOnlyShown)
{
    CHandlerGuard::setLogger(nullptr);
    EXPECT_FALSE(
        CHandlerGuard::run("TFormMain::FileOpen", [] { throw std::runtime_error("shown"); }));
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("shown"));
}

TEST_F(HandlerGuard, MainWindowLogsFailuresToItsLogFile)
{
    {
        CTestMainWindow window;
        window.formMain().WriteLogs = true;
        CHandlerGuard::run("TFormMain::FileOpen",
                           [] { throw std::runtime_error("no\nsuch file"); });
    }
    // The window took its logger along when it went.
    CHandlerGuard::run("TFormMain::FileOpen", [] { throw std::runtime_error("after the window"); });
    const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
    EXPECT_TRUE(log.endsWith("[system error] [TFormMain::FileOpen] no such file\n"))
        << log.toStdString();
    EXPECT_EQ(log.count('\n'), 1);
    EXPECT_EQ(m_Dialogs.messages.size(), 2u);
}

} // namespace
