#include "app/Testingrun.h"

#include "app/Cp1251.h"
#include "interpreter/Testing.h"
#include "tests/support/Isolatedsettings.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

class TestingRun : public CIsolatedSettingsTest
{
protected:
    // The report appended to the earlier content of the report file; every time is 0.
    QByteArray reportOf(const QByteArray& input, const QByteArray& earlier) const
    {
        const QString inputName = docsFolder() + QStringLiteral("/in.txt");
        const QString reportName = docsFolder() + QStringLiteral("/report.txt");
        QFile::remove(reportName);
        writeFile(inputName, input);
        if (!earlier.isEmpty())
            writeFile(reportName, earlier);
        xonQMInterpreter::CTesting testing(nullptr, nullptr, [] { return 0U; });
        const TTestingOutcome outcome = runTestingIntoReport(testing, inputName, reportName);
        EXPECT_EQ(outcome.failure, TTestingFailure::None) << outcome.reason.toStdString();
        return readFile(reportName);
    }
};

} // namespace

TEST_F(TestingRun, InputIsReadAsADocumentAndTheReportWrittenInItsEncoding)
{
    // Every line end, a character cp1251 lacks, a NUL, and a non-letter in messages.
    const QString head = QString::fromUtf8("длина = 3;\r\nширина = длина * 2;\r// 😀 € ");
    const QString tail =
        QString::fromUtf8("\nплощадь = длина * ширина;\r\n***END_BLOCK***\r\nё = 1;\n");
    const QByteArray cp1251 = toCp1251(head) + '\0' + toCp1251(tail);
    const QString text = head + QChar(0) + tail;
    const QByteArray utf16 = QStringEncoder(QStringConverter::Utf16LE).encode(text);
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const auto inUtf8 = [](const QString& report) { return report.toUtf8(); };
    const auto inUtf16 = [&toUtf16](const QString& report) {
        return QByteArray(toUtf16.encode(report));
    };
    struct TCase
    {
        const char* reason;
        QByteArray input;
        QByteArray earlier; // what the report file held before
        std::function<QByteArray(const QString&)> encoded;
    };
    // clang-format off
    const TCase cases[] = {
        {"UTF-8", text.toUtf8(), "", inUtf8},
        {"UTF-8 with a mark, which is no part of the first block, after earlier cp1251 reports",
         "\xEF\xBB\xBF" + text.toUtf8(), "earlier \xE4\r\n", inUtf8},
        {"UTF-16 with a mark, the report too", "\xFF\xFE" + utf16, "", inUtf16},
    };
    // clang-format on
    const QByteArray cp1251Report = reportOf(cp1251, "");
    ASSERT_TRUE(cp1251Report.contains(toCp1251(QString::fromUtf8("\r\nдлина=3\r\n"))))
        << cp1251Report.toStdString();
    for (const TCase& c : cases) {
        EXPECT_EQ(reportOf(c.input, c.earlier).toStdString(),
                  (c.earlier + c.encoded(fromCp1251(cp1251Report))).toStdString())
            << c.reason;
    }
}
