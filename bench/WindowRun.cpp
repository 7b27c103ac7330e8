// Times F5 in the real main window, offscreen: the text of FILE is calculated RUNS times with
// the results going to the editor (0), the messages pane (1) or the results window (2), every
// run from the same editor text, and the interpreter alone runs the same text after each.
//   ombrix_window_bench [--runs N] DESTINATION FILE
// Prints the medians: the window's time until calculateAll() returns, its time until the
// results are painted (every shown window painted whole), the interpreter's time right after
// the window's run and once more on a warm cache, and the ratio of the painted time to the
// warm interpreter's. Exits 1 when a run asked the user anything or left no results where
// they belong: such a run times something else.

#include "app/Appresources.h"
#include "app/Cp1251.h"
#include "app/Nameresources.h"
#include "app/UnFormMain.h"
#include "app/UnFormViewResults.h"
#include "bench/Isolatedoptions.h"
#include "framework/Dialogseams.h"
#include "framework/Programinfo.h"
#include "interpreter/QMInterpreter.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
    TMessageAnswer showMessage(QWidget*, const QString& text, const QString&, TMessageIcon,
                               TMessageButtons, TMessageAnswer defaultAnswer) override
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

// The results are where the destination puts them: each run first empties the pane and the
// results window, and starts the editor from the text without results.
bool resultsDelivered(TFormMain& form, int destination)
{
    const QString header = getNameResource(TTextId::ResultsOfCalculation);
    switch (destination) {
    case 0:
        return form.codeEditor()->toPlainText().contains(header);
    case 1:
        return form.messagesPane()->toPlainText().contains(header);
    default: {
        const TFormViewResults* results = form.resultsWindow();
        const QPlainTextEdit* memo =
            results != nullptr ? results->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))
                               : nullptr;
        return memo != nullptr && results->isVisible() && memo->toPlainText().contains(header);
    }
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

    int failures = 0;
    std::vector<double> returned;
    std::vector<double> shown;
    std::vector<double> after;
    std::vector<double> warm;
    {
        TFormMain form;
        form.show();
        QApplication::processEvents();
        if (!form.openFile(QString::fromLocal8Bit(path))
            || form.codeEditor()->toPlainText().contains(
                getNameResource(TTextId::ResultsOfCalculation))) {
            std::fprintf(stderr, "cannot open %s, or it holds results already\n", path);
            return 2;
        }
        const QString original = form.codeEditor()->toPlainText();
        const QByteArray bytes = toCp1251(original);
        xonQMInterpreter::CQMInterpreter interpreter;
        // One run first: the results window and the number format are made once per program.
        // The interpreter alone runs twice right after each window run, on the bytes the window
        // hands it, so that all see the machine under the same load: the first run finds the
        // caches as the window left them, the second finds them warm.
        for (int run = -1; run < runs; ++run) {
            if (destination == 0) {
                form.codeEditor()->setPlainText(original);
                form.codeEditor()->document()->setModified(false);
            }
            QApplication::processEvents();
            const TClock::time_point start = TClock::now();
            form.findAction(QStringLiteral("ActionCalcAll"))->trigger();
            const TClock::time_point called = TClock::now();
            paintNow();
            const TClock::time_point painted = TClock::now();
            if (!resultsDelivered(form, destination))
                ++failures;
            interpreter.perform(bytes.constData());
            const TClock::time_point performed = TClock::now();
            interpreter.perform(bytes.constData());
            const TClock::time_point performedWarm = TClock::now();
            if (run >= 0) {
                returned.push_back(milliseconds(called - start));
                shown.push_back(milliseconds(painted - start));
                after.push_back(milliseconds(performed - painted));
                warm.push_back(milliseconds(performedWarm - performed));
            }
        }
        form.codeEditor()->document()->setModified(false);
        form.close();
    }
    CDialogSeams::install(nullptr);

    const double window = median(shown);
    const double interpreter = median(warm);
    const double ratio = window / interpreter;
    std::printf("F5, results to the %s (%d): %d runs; window %.2f ms painted (%.2f ms returned); "
                "interpreter %.2f ms warm (%.2f ms after the window); %.1fx\n",
                kDestinationNames[destination], destination, runs, window, median(returned),
                interpreter, median(after), ratio);
    std::printf("%s at most %.0f ms and %.0fx the interpreter's time\n",
                window <= kTargetMs && ratio <= kTargetRatio ? "met   " : "MISSED", kTargetMs,
                kTargetRatio);
    if (failures > 0 || dialogs.questions() > 0) {
        std::fprintf(stderr, "%d runs left no results, %d questions asked\n", failures,
                     dialogs.questions());
        return 1;
    }
    return 0;
}
