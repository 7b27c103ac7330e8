#include "tests/app/Mainwindowfixture.h"

#include "app/UnFormOptions.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTimer>

namespace {

class LifeCycleTest : public CMainWindowTest
{
};

TEST_F(LifeCycleTest, StoredPlaceIsKeptOnTheDesktop)
{
    writeIni("[FormMain]\r\nUseRegister=0\r\nLeft=-5000\r\nTop=20\r\nWidth=0\r\nHeight=300\r\n");
    openWindow();
    EXPECT_EQ(m_Window->getOptionsFormMain().Left, 10);
    EXPECT_EQ(m_Window->getOptionsFormMain().Top, 20);
    EXPECT_EQ(m_Window->getOptionsFormMain().Width, 550);
    EXPECT_EQ(m_Window->getOptionsFormMain().Height, 300);
}

TEST_F(LifeCycleTest, OptionsAreWrittenAtClosingOnly)
{
    writeIni("[FormMain]\r\nUseRegister=0\r\n[ViewResult]\r\nWhereShowResult=1\r\nPrecision=12\r\nFormatNumber=1\r\n");
    openWindow();
    const QByteArray before = readFile(iniPath());
    typeText(QStringLiteral("x = 1234567.5;"));

    // The options dialog changes the number format; the next results show it at once.
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormOptions*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButtonFormatNumberScientific"))->setChecked(true);
        dialog->ButtonOkClick();
    });
    m_Window->showOptions(TOptionsPage::ViewResults);
    EXPECT_EQ(m_Window->getOptionsViewResult().FormatNumber, 2);
    press(Qt::Key_F5);
    EXPECT_TRUE(paneText().endsWith(QStringLiteral(" x = 1.2345675e+006"))) << paneText().toStdString();
    EXPECT_EQ(readFile(iniPath()), before) << "nothing is written before closing";

    editor().document()->setModified(false);
    m_Window->close();
    EXPECT_TRUE(readFile(iniPath()).contains("FormatNumber=2"));
}

TEST_F(LifeCycleTest, CalcOnStartOpensAndCalculates)
{
    writeFile(docPath(QStringLiteral("start.txt")), "s = 6 * 7;");
    writeIni("[ViewResult]\r\nWhereShowResult=1\r\nPrecision=12\r\nFormatNumber=1\r\n");
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setCommandLineFile(QStringLiteral("  ") + docPath(QStringLiteral("start.txt")));
    m_Window->setCalcOnStart();
    m_Window->show();
    EXPECT_EQ(editorText(), QStringLiteral("s = 6 * 7;"));
    EXPECT_EQ(paneText(), QStringLiteral(" [Results of calculation] \n s = 42"));
}

TEST_F(LifeCycleTest, TestModeWritesTheReportAndOpensNothing)
{
    writeFile(binFolder() + QStringLiteral("/in.txt"), "a = 1;\r\n***END_BLOCK***\r\nb = ;\r\n");
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setTestMode();
    m_Window->setCommandLineFile(QStringLiteral("in.txt"));
    m_Window->setTestOutputFile(QStringLiteral("missing-folder/out.txt"));
    m_Window->show();
    const QByteArray report = readFile(binFolder() + QStringLiteral("/out.txt"));
    EXPECT_TRUE(report.contains("[START]")) << report.toStdString();
    EXPECT_TRUE(report.contains("[FINISH]"));
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_TRUE(m_Window->getFileName().isEmpty());
}

TEST_F(LifeCycleTest, CalcOnStartWithADocumentNotFoundDoesNothing)
{
    m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
    m_Window->setCommandLineFile(docPath(QStringLiteral("missing.txt")));
    m_Window->setCalcOnStart();
    m_Window->show();
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_TRUE(paneText().isEmpty()) << "nothing calculated: " << paneText().toStdString();
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(LifeCycleTest, TestModeFallsBackToTheStoredFiles)
{
    struct TCase {
        const char* reason;
        QString input;             // given on the command line
        QString report;
        QByteArray storedIn;       // the Testing section's names, relative to the program
        QByteArray storedOut;
        QString written;           // the report expected, relative to the program; empty: none
        bool inputLogged;          // the stored input was looked for in vain
    };
    const TCase cases[] = {
        {"both given", QStringLiteral("given.txt"), QStringLiteral("given-report.txt"), "stored.txt",
         "stored-report.txt", QStringLiteral("given-report.txt"), false},
        {"a given input not found: the stored one", QStringLiteral("missing.txt"),
         QStringLiteral("given-report.txt"), "stored.txt", "", QStringLiteral("given-report.txt"), false},
        {"nothing given: the stored files", QString(), QString(), "stored.txt", "stored-report.txt",
         QStringLiteral("stored-report.txt"), false},
        {"a given report without a file part: the stored one", QStringLiteral("given.txt"),
         QStringLiteral("reports/"), "", "stored-report.txt", QStringLiteral("stored-report.txt"), false},
        {"no input anywhere: nothing runs", QStringLiteral("missing.txt"), QStringLiteral("given-report.txt"),
         "", "stored-report.txt", QString(), false},
        {"the stored input not found either: logged", QString(), QString(), "gone.txt",
         "stored-report.txt", QString(), true},
    };
    for (const TCase& c : cases) {
        QDir(binFolder()).removeRecursively();
        writeFile(binFolder() + QStringLiteral("/given.txt"), "g = 1;\r\n");
        writeFile(binFolder() + QStringLiteral("/stored.txt"), "s = 1;\r\n");
        writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n[Testing]\r\nTestingFileIn=" + c.storedIn
                 + "\r\nTestingFileOut=" + c.storedOut + "\r\n");
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->setTestMode();
        m_Window->setCommandLineFile(c.input);
        m_Window->setTestOutputFile(c.report);
        m_Window->show();
        m_Window->close();
        m_Window.reset();

        const QStringList reports = QDir(binFolder()).entryList({QStringLiteral("*report*")}, QDir::Files);
        EXPECT_EQ(reports, c.written.isEmpty() ? QStringList() : QStringList{c.written}) << c.reason;
        if (!c.written.isEmpty()) {
            const QByteArray report = readFile(binFolder() + QLatin1Char('/') + c.written);
            const QByteArray expectedText = c.input == QLatin1String("given.txt") ? "g = 1;" : "s = 1;";
            EXPECT_TRUE(report.contains(expectedText)) << c.reason << report.toStdString();
        }
        const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
        EXPECT_EQ(log.contains("[Testing] Can not open the file: gone.txt."), c.inputLogged)
            << c.reason << log.toStdString();
    }
}

TEST_F(LifeCycleTest, SelfTestReportThatCannotBeWrittenIsShownAndLogged)
{
    struct TCase {
        const char* reason;
        const char* kind;   // what stands where the report goes: a folder or earlier reports
        rlim_t fileSizeLimit;
        const char* systemReason;
    };
    const QByteArray earlier(1000, 'e');
    const TCase cases[] = {
        {"a folder", "folder", RLIM_INFINITY, "Is a directory"},
        {"a full disk: the earlier reports stay whole", "report", 1500, "File too large"},
    };
    for (const TCase& c : cases) {
        QDir(binFolder()).removeRecursively();
        writeFile(binFolder() + QStringLiteral("/in.txt"), "a = 1;\r\n" + QByteArray(600, ' '));
        writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n");
        const QString report = binFolder() + QStringLiteral("/out.txt");
        if (qstrcmp(c.kind, "folder") == 0)
            ASSERT_TRUE(QDir().mkpath(report));
        else
            writeFile(report, earlier);
        m_Dialogs.messages.clear();
        m_Window = std::make_unique<TFormMain>(nullptr, std::make_unique<CFakeTrayBackend>(m_Tray));
        m_Window->setTestMode();
        m_Window->setCommandLineFile(QStringLiteral("in.txt"));
        m_Window->setTestOutputFile(QStringLiteral("out.txt"));
        {
            CFileSizeLimit disk(c.fileSizeLimit);
            m_Window->show();
        }
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("Error at writing of a file '") + report
                                                  + QStringLiteral("'.\n") + QLatin1String(c.systemReason))
            << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Error")) << c.reason;
        EXPECT_TRUE(m_Window->isVisible()) << c.reason;
        m_Window->close();
        m_Window.reset();
        if (qstrcmp(c.kind, "report") == 0) {
            EXPECT_EQ(readFile(report), earlier) << c.reason;
        }
        const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
        EXPECT_TRUE(log.contains("[error] [TFormMain::performTesting] Error at writing of a file"))
            << c.reason << log.toStdString();
    }
}

TEST_F(LifeCycleTest, StartAndEndAreLoggedWhenLogsAreOn)
{
    writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n");
    openWindow();
    m_Window->close();
    m_Window.reset();
    const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
    EXPECT_TRUE(log.contains("[information] start of program")) << log.toStdString();
    EXPECT_TRUE(log.contains("[information] end of program"));
}

} // namespace
