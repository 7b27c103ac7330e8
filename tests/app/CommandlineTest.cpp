#include "app/Commandline.h"

#include "platform/Filenamebytes.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TGrammarCase
{
    const char* reason;
    QString line;
    QString file;
    QString output;
    bool calc;
    bool test;
};

} // namespace

TEST(CommandLine, Grammar)
{
    const TGrammarCase cases[] = {
        {"empty line", "", "", "", false, false},
        {"blanks and controls only", "  \t \r\n ", "", "", false, false},
        {"calculate a document", "-calc sample.txt", "sample.txt", "", true, false},
        {"blanks around the calculated name", "  -calc   sample.txt \t", "sample.txt", "", true,
         false},
        {"calculated name with blanks inside", "-calc my notes.txt", "my notes.txt", "", true,
         false},
        {"-calc alone is a document name", "-calc", "-calc", "", false, false},
        {"-calc joined to a word is a document name", "-calcfile", "-calcfile", "", false, false},
        {"a tab after -calc is no separator", "-calc\tx.txt", "-calc\tx.txt", "", false, false},
        {"switches are case-sensitive", "-CALC x.txt", "-CALC x.txt", "", false, false},
        {"-test alone uses the stored files", "-test", "", "", false, true},
        {"-test alone within blanks", "  -test \t", "", "", false, true},
        {"test input only", "-test in.txt", "in.txt", "", false, true},
        {"test input and report", "-test in.txt reports/out.txt", "in.txt", "reports/out.txt",
         false, true},
        {"blanks after the input are no report", "-test in.txt    ", "in.txt", "", false, true},
        {"report name keeps its inner blanks", "-test  in.txt   my report.txt", "in.txt",
         "my report.txt", false, true},
        {"the input ends at a blank, not at a tab", "-test in\tone.txt out.txt", "in\tone.txt",
         "out.txt", false, true},
        {"a tab after the input's blank is trimmed from the report", "-test in.txt \tout.txt",
         "in.txt", "out.txt", false, true},
        {"a tab after -test is no separator", "-test\tin.txt", "-test\tin.txt", "", false, false},
        {"-test joined to a word is a document name", "-testing", "-testing", "", false, false},
        {"a document name with blanks", "my file.txt", "my file.txt", "", false, false},
        {"quotation marks are kept", "\"my file.txt\"", "\"my file.txt\"", "", false, false},
        {"quoted name after -calc keeps its quotes", "-calc \"a b.txt\"", "\"a b.txt\"", "", true,
         false},
        {"Cyrillic document name", QString::fromUtf8("расчёт.txt"), QString::fromUtf8("расчёт.txt"),
         "", false, false},
    };
    for (const TGrammarCase& c : cases) {
        const TStartRequests requests = parseCommandLine(c.line);
        EXPECT_EQ(requests.commandLineFile, c.file) << c.reason;
        EXPECT_EQ(requests.testOutputFile, c.output) << c.reason;
        EXPECT_EQ(requests.calcOnStart, c.calc) << c.reason;
        EXPECT_EQ(requests.testMode, c.test) << c.reason;
    }
}

TEST(CommandLine, SettersKeepTheNameWhenGivenOnlyBlanks)
{
    TStartRequests requests;
    requests.setCommandLineFile(QStringLiteral(" \tdoc.txt\r\n"));
    requests.setTestOutputFile(QStringLiteral("  out.txt "));
    EXPECT_EQ(requests.commandLineFile, QStringLiteral("doc.txt"));
    EXPECT_EQ(requests.testOutputFile, QStringLiteral("out.txt"));

    requests.setCommandLineFile(QStringLiteral(" \t "));
    requests.setTestOutputFile(QString());
    EXPECT_EQ(requests.commandLineFile, QStringLiteral("doc.txt"));
    EXPECT_EQ(requests.testOutputFile, QStringLiteral("out.txt"));
}

TEST(CommandLine, ArgumentsJoinedBySingleBlanks)
{
    EXPECT_EQ(commandLineOf({QStringLiteral("ombrix")}), QString());
    EXPECT_EQ(commandLineOf({}), QString());
    EXPECT_EQ(commandLineOf({QStringLiteral("ombrix"), QStringLiteral("-calc"),
                             QStringLiteral("my  file.txt")}),
              QStringLiteral("-calc my  file.txt"));
    const TStartRequests requests = parseCommandLine(
        commandLineOf({QStringLiteral("ombrix"), QStringLiteral("-test"), QStringLiteral("in.txt"),
                       QStringLiteral("report"), QStringLiteral("file.txt")}));
    EXPECT_EQ(requests.commandLineFile, QStringLiteral("in.txt"));
    EXPECT_EQ(requests.testOutputFile, QStringLiteral("report file.txt"));
}

// The current folder is "work" inside the temporary folder, the executable's folder is "bin".
class CommandLineFiles : public CIsolatedSettingsTest
{
protected:
    void SetUp() override
    {
        CIsolatedSettingsTest::SetUp();
        m_PreviousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("work/reports"))));
        ASSERT_TRUE(QDir::setCurrent(path(QStringLiteral("work"))));
        writeFile(path(QStringLiteral("work/in.txt")), "a = 1;");
        writeFile(path(QStringLiteral("work/both.txt")), "here");
        writeFile(path(QStringLiteral("bin/both.txt")), "beside");
        writeFile(path(QStringLiteral("bin/only.txt")), "beside");
    }
    void TearDown() override
    {
        QDir::setCurrent(m_PreviousFolder);
        CIsolatedSettingsTest::TearDown();
    }

    static QString canonical(const QString& fileName)
    {
        return QFileInfo(fileName).canonicalFilePath();
    }

private:
    QString m_PreviousFolder;
};

TEST_F(CommandLineFiles, InputFoundInTheCurrentFolderIsExpanded)
{
    QString fullName;
    ASSERT_TRUE(resolveInputFileName(QStringLiteral("  in.txt\t"), fullName));
    EXPECT_TRUE(QFileInfo(fullName).isAbsolute()) << fullName.toStdString();
    EXPECT_EQ(canonical(fullName), canonical(path(QStringLiteral("work/in.txt"))));

    ASSERT_TRUE(resolveInputFileName(QStringLiteral("reports/../in.txt"), fullName));
    EXPECT_FALSE(fullName.contains(QLatin1String(".."))) << fullName.toStdString();
    EXPECT_EQ(canonical(fullName), canonical(path(QStringLiteral("work/in.txt"))));

    // The current folder comes before the executable's.
    ASSERT_TRUE(resolveInputFileName(QStringLiteral("both.txt"), fullName));
    EXPECT_EQ(readFile(fullName), QByteArray("here"));
}

TEST_F(CommandLineFiles, InputFallsBackToTheExecutableFolder)
{
    QString fullName;
    ASSERT_TRUE(resolveInputFileName(QStringLiteral("only.txt"), fullName));
    EXPECT_EQ(fullName, binFolder() + QStringLiteral("/only.txt"));

    EXPECT_FALSE(resolveInputFileName(QStringLiteral("missing.txt"), fullName));
    EXPECT_EQ(fullName, binFolder() + QStringLiteral("/missing.txt"));

    // A folder is no input file.
    EXPECT_FALSE(resolveInputFileName(QStringLiteral("reports"), fullName));

    const QString elsewhere = path(QStringLiteral("work/reports"));
    writeFile(elsewhere + QStringLiteral("/there.txt"), "x");
    ASSERT_TRUE(resolveInputFileName(QStringLiteral("there.txt"), fullName, elsewhere));
    EXPECT_EQ(fullName, elsewhere + QStringLiteral("/there.txt"));
}

TEST_F(CommandLineFiles, EmptyInputNameIsNotFound)
{
    QString fullName = QStringLiteral("previous");
    EXPECT_FALSE(resolveInputFileName(QString(), fullName));
    EXPECT_TRUE(fullName.isEmpty());
    EXPECT_FALSE(resolveInputFileName(QStringLiteral(" \t "), fullName));
    EXPECT_TRUE(fullName.isEmpty());
}

TEST_F(CommandLineFiles, OutputNames)
{
    struct TOutputCase
    {
        const char* reason;
        QString name;
        bool accepted;
        QString fullName;
    };
    const QString bin = binFolder();
    const QString absoluteReports = path(QStringLiteral("work/reports"));
    // A folder unpacked from another system may hold a byte that is no text.
    const QByteArray foreign = QFile::encodeName(path(QStringLiteral("work"))) + "/caf\xe9";
    ASSERT_EQ(::mkdir(foreign.constData(), 0700), 0);
    ASSERT_EQ(::close(::creat((foreign + "/old.txt").constData(), 0600)), 0);
    const QString foreignName = fileNameOfBytes(foreign);
    const TOutputCase cases[] = {
        {"existing folder: the name as given", "reports/out.txt", true, "reports/out.txt"},
        {"trimmed, folder kept as given", "  reports/out.txt ", true, "reports/out.txt"},
        {"absolute name in an existing folder", absoluteReports + "/new.txt", true,
         absoluteReports + "/new.txt"},
        {"missing folder: the file part beside the executable", "nowhere/out.txt", true,
         bin + "/out.txt"},
        {"bare new name goes beside the executable", "out.txt", true, bin + "/out.txt"},
        {"existing file beside the executable", "only.txt", true, bin + "/only.txt"},
        {"a folder whose name is no text", foreignName + "/new.txt", true,
         foreignName + "/new.txt"},
        {"a report there already", foreignName + "/old.txt", true, foreignName + "/old.txt"},
        {"no file part", "reports/", false, ""},
        {"blank file part", "reports/   ", false, ""},
        {"empty name", "", false, ""},
        {"blanks only", "  \t", false, ""},
    };
    for (const TOutputCase& c : cases) {
        QString fullName;
        EXPECT_EQ(resolveOutputFileName(c.name, fullName), c.accepted) << c.reason;
        if (c.accepted) {
            EXPECT_EQ(fullName, c.fullName) << c.reason;
        }
    }

    QString fullName;
    ASSERT_TRUE(resolveOutputFileName(QStringLiteral("in.txt"), fullName));
    EXPECT_EQ(canonical(fullName), canonical(path(QStringLiteral("work/in.txt"))))
        << "an existing report is appended to where it is";
    // The toolkit that removes the test's folder cannot reach it.
    ::unlink((foreign + "/old.txt").constData());
    ::rmdir(foreign.constData());
}
