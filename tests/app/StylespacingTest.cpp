#include "app/Stylespacing.h"

#include "app/Appresources.h"
#include "app/UnFormAbout.h"
#include "app/UnFormDoReplace.h"
#include "app/UnFormFileInfo.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormOptions.h"
#include "app/UnFormReplaceText.h"
#include "app/UnFormSelectVariable.h"
#include "app/UnFormWaitCalc.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

#include <functional>

namespace {

class StyleSpacing : public CWindowTest
{
protected:
    static void SetUpTestSuite() { initAppResources(); }
};

// What the user reads and works: labels, fields, lists, buttons and tabs, not tool-bar
// buttons, which their bar spaces.
bool isControl(const QWidget* widget)
{
    if (qobject_cast<const QToolButton*>(widget) != nullptr)
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(widget) != nullptr
           || qobject_cast<const QLineEdit*>(widget) != nullptr
           || qobject_cast<const QComboBox*>(widget) != nullptr
           || qobject_cast<const QAbstractScrollArea*>(widget) != nullptr
           || qobject_cast<const QTabBar*>(widget) != nullptr;
}

// The visible controls of the window with their places in it; none inside another.
QList<std::pair<QString, QRect>> controlsOf(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !isControl(widget))
            continue;
        bool inside = false;
        for (QWidget* parent = widget->parentWidget(); parent != window && !inside;
             parent = parent->parentWidget())
            inside = isControl(parent);
        if (!inside)
            controls.append(widget);
    }
    QList<std::pair<QString, QRect>> places;
    for (QWidget* control : controls) {
        const QString name = control->objectName().isEmpty()
                                 ? QString::fromLatin1(control->metaObject()->className())
                                 : control->objectName();
        places.append({name, QRect(control->mapTo(window, QPoint(0, 0)), control->size())});
    }
    return places;
}

// The pixels between two places: 0 when they touch or overlap.
int gapBetween(const QRect& a, const QRect& b)
{
    const int across = std::max(a.left() - b.right(), b.left() - a.right()) - 1;
    const int down = std::max(a.top() - b.bottom(), b.top() - a.bottom()) - 1;
    return std::max({across, down, 0});
}

TEST_F(StyleSpacing, NoControlOfADialogTouchesAnotherOrTheWindowsEdge)
{
    struct TCase {
        const char* dialog;
        std::function<QWidget*(QWidget* owner)> make;
    };
    const auto optionsPage = [](int page) {
        return [page](QWidget* owner) {
            auto* options = new TFormOptions(owner);
            options->SelectPage(page);
            return options;
        };
    };
    const TCase cases[] = {
        {"go to line", [](QWidget* o) { return new TFormGotoLine(o); }},
        {"find", [](QWidget* o) { return new TFormFindText(o); }},
        {"replace", [](QWidget* o) { return new TFormReplaceText(o); }},
        {"replace prompt", [](QWidget* o) { return new TFormDoReplace(o); }},
        {"variable choice",
         [](QWidget* o) {
             auto* choice = new TFormSelectVariable(o);
             choice->AddVariable(QByteArrayLiteral("a"));
             return choice;
         }},
        {"about", [](QWidget* o) { return new TFormAbout(o); }},
        {"file information", [](QWidget* o) { return new TFormFileInfo(o); }},
        {"wait", [](QWidget* o) { return new TFormWaitCalc(o); }},
        {"options, main page", optionsPage(1)},
        {"options, editor", optionsPage(2)},
        {"options, messages pane", optionsPage(3)},
        {"options, result display", optionsPage(4)},
        {"options, results window", optionsPage(5)},
    };
    CTestMainWindow main;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.dialog);
        QWidget* dialog = c.make(&main);
        dialog->show();
        QApplication::processEvents();
        const int spacing = dialog->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
        const int minimum = spacing > 0 ? spacing / 2 : 2;
        const QList<std::pair<QString, QRect>> controls = controlsOf(dialog);
        ASSERT_GE(controls.size(), 1);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const auto& [name, place] = controls.at(i);
            EXPECT_TRUE(dialog->rect().adjusted(minimum, minimum, -minimum, -minimum).contains(place))
                << name.toStdString() << " at the window's edge";
            for (qsizetype j = 0; j < i; ++j) {
                const auto& [otherName, otherPlace] = controls.at(j);
                EXPECT_GE(gapBetween(place, otherPlace), minimum)
                    << name.toStdString() << " and " << otherName.toStdString();
            }
        }
        dialog->close();
    }
}

} // namespace
