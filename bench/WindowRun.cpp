// Times F5 in the real main window, offscreen: the text of FILE is calculated RUNS times with
// the results going to the editor (0), the messages pane (1) or the results window (2), every
// run from the same editor text, and the interpreter alone runs the same text as often.
//   ombrix_window_bench [--runs N] DESTINATION FILE
// Prints the medians: the window's time until calculateAll() returns, its time until the
// results are painted (every shown window painted whole), the interpreter's time, and the ratio of the painted time to the
// interpreter's. Exits 1 when a run asked the user anything or left no results where they
// belong: such a run times something else.

#include "app/Appresources.h"
#include "app/Cp1251.h"
#include "app/UnFormMain.h"
#include "app/UnFormViewResults.h"
#include "bench/Isolatedoptions.h"
#include "framework/Dialogseams.h"
#include "framework/Programinfo.h"
#include "interpreter/QMInterpreter.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 20;
constexpr double kTargetMs = 50.0;
constexpr double kTargetRatio = 5.0;
const char* const kDestinationNames[] = {"editor", "messages pane", "results window"};

// A question during a timed run would wait for a user: it is answered at once and counted.
class CCountingDialogs : public CDialogSeams
{
public:
    TMessageAnswer showMessage(QWidget*, const QString& text, const QString&, TMessageIcon, TMessageButtons,
                               TMessageAnswer defaultAnswer) override
    {
        ++m_Questions;
        std::fprintf(stderr, "the window asked: %s\n", text.toLocal8Bit().constData());
        return defaultAnswer;
    }
    QString chooseOpenFile(QWidget*, const TFileDialogRequest&) override
    {
        ++m_Questions;
        return {};
    }
    QString chooseSaveFile(QWidget*, const TFileDialogRequest&) override
    {
        ++m_Questions;
        return {};
    }
    bool chooseColor(QWidget*, TColor&) override
    {
        ++m_Questions;
        return false;
    }
    bool openWithDesktop(const QUrl&) override
    {
        ++m_Questions;
        return false;
    }

    int questions() const { return m_Questions; }

private:
    int m_Questions = 0;
};

double milliseconds(TClock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

QByteArray iniFor(int destination)
{
    return "[FormMain]\r\nUseRegister=0\r\nUseFileExtension=0\r\n[ViewResult]\r\nWhereShowResult="
           + QByteArray::number(destination) + "\r\nPrecision=12\r\nFormatNumber=1\r\n";
}

// The results are where the destination puts them.
bool resultsDelivered(TFormMain& form, int destination, const QString& original)
{
    const QString marker = QStringLiteral("[Results of calculation]");
    switch (destination) {
    case 0:
        return form.codeEditor()->toPlainText().size() > original.size()
               && form.codeEditor()->toPlainText().contains(marker);
    case 1:
        return form.messagesPane()->toPlainText().contains(marker);
    default:
        return form.resultsWindow() != nullptr && form.resultsWindow()->isVisible();
    }
}

// What the event loop would do next, and every shown window painted whole at once, rather than
// at the platform's next frame.
void paintNow()
{
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->repaint();
    }
}

int usage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--runs N] DESTINATION(0|1|2) FILE\n", program);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = kDefaultRuns;
    int destination = -1;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (destination < 0)
            destination = std::atoi(argv[i]);
        else
            path = argv[i];
    }
    if (destination < 0 || destination > 2 || path == nullptr)
        return usage(argv[0]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    application.setApplicationName(getProgramName());
    initAppResources();
    const CIsolatedOptions options(iniFor(destination));
    if (!options.isValid()) {
        std::fprintf(stderr, "cannot write the options\n");
        return 2;
    }
    CCountingDialogs dialogs;
    CDialogSeams::install(&dialogs);

    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 2;
    }
    file.close();

    int failures = 0;
    std::vector<double> returned;
    std::vector<double> shown;
    std::vector<double> alone;
    {
        TFormMain form;
        form.show();
        QApplication::processEvents();
        if (!form.openFile(file.fileName()))
            return 2;
        const QString original = form.codeEditor()->toPlainText();
        // One run first: the results window and the number format are made once per program.
        for (int run = -1; run < runs; ++run) {
            if (destination == 0) {
                form.codeEditor()->setPlainText(original);
                form.codeEditor()->document()->setModified(false);
            }
            QApplication::processEvents();
            const TClock::time_point start = TClock::now();
            form.calculateAll();
            const TClock::time_point called = TClock::now();
            paintNow();
            const TClock::time_point painted = TClock::now();
            if (!resultsDelivered(form, destination, original))
                ++failures;
            if (run >= 0) {
                returned.push_back(milliseconds(called - start));
                shown.push_back(milliseconds(painted - start));
            }
        }
        // The interpreter alone on the bytes the window hands it.
        const QByteArray bytes = toCp1251(original);
        xonQMInterpreter::CQMInterpreter interpreter;
        for (int run = -1; run < runs; ++run) {
            const TClock::time_point start = TClock::now();
            interpreter.perform(bytes.constData());
            if (run >= 0)
                alone.push_back(milliseconds(TClock::now() - start));
        }
        form.codeEditor()->document()->setModified(false);
        form.close();
    }
    CDialogSeams::install(nullptr);

    const double window = median(shown);
    const double interpreter = median(alone);
    const double ratio = window / interpreter;
    std::printf("F5, results to the %s (%d): %d runs; window %.2f ms painted (%.2f ms returned); "
                "interpreter %.2f ms; %.1fx\n",
                kDestinationNames[destination], destination, runs, window, median(returned), interpreter, ratio);
    std::printf("%s at most %.0f ms and %.0fx the interpreter's time\n",
                window <= kTargetMs && ratio <= kTargetRatio ? "met   " : "MISSED", kTargetMs, kTargetRatio);
    if (failures > 0 || dialogs.questions() > 0) {
        std::fprintf(stderr, "%d runs left no results, %d questions asked\n", failures, dialogs.questions());
        return 1;
    }
    return 0;
}
