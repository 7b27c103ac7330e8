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

// What the user reads and works; a tool bar spaces its own buttons.
bool isControl(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return (label != nullptr && !label->text().isEmpty())
           || (qobject_cast<const QAbstractButton*>(widget) != nullptr
               && qobject_cast<const QToolButton*>(widget) == nullptr)
           || qobject_cast<const QLineEdit*>(widget) != nullptr
           || qobject_cast<const QComboBox*>(widget) != nullptr
           || qobject_cast<const QAbstractScrollArea*>(widget) != nullptr
           || qobject_cast<const QTabBar*>(widget) != nullptr;
}

// The visible controls not inside another control, with their places in the window.
QList<std::pair<QWidget*, QRect>> controlsOf(QWidget* window)
{
    QList<std::pair<QWidget*, QRect>> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        bool inside = false;
        for (QWidget* parent = widget->parentWidget(); parent != window;
             parent = parent->parentWidget())
            inside = inside || isControl(parent);
        if (widget->isVisibleTo(window) && isControl(widget) && !inside)
            controls.append({widget, QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())});
    }
    return controls;
}

TEST_F(StyleSpacing, NoControlOfADialogTouchesAnother)
{
    const auto options = [](TOptionsPage page) {
        return [page](QWidget* owner) -> QWidget* {
            auto* dialog = new TFormOptions(owner);
            dialog->SelectPage(page);
            return dialog;
        };
    };
    const std::pair<const char*, std::function<QWidget*(QWidget*)>> cases[] = {
        {"go to line", [](QWidget* o) { return new TFormGotoLine(o); }},
        {"find", [](QWidget* o) { return new TFormFindText(o); }},
        {"replace", [](QWidget* o) { return new TFormReplaceText(o); }},
        {"replace prompt", [](QWidget* o) { return new TFormDoReplace(o); }},
        {"variable choice", [](QWidget* o) { return new TFormSelectVariable(o); }},
        {"about", [](QWidget* o) { return new TFormAbout(o); }},
        {"file information", [](QWidget* o) { return new TFormFileInfo(o); }},
        {"options, main page", options(TOptionsPage::Main)},
        {"options, editor", options(TOptionsPage::Editor)},
        {"options, result display", options(TOptionsPage::ViewResults)},
        {"options, results window", options(TOptionsPage::FormViewResults)},
    };
    CTestMainWindow main;
    for (const auto& [name, make] : cases) {
        QWidget* dialog = make(&main);
        dialog->show();
        QApplication::processEvents();
        // Half the style's spacing at least: a label above its field, a button beside another.
        const int gap = std::max(dialog->style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) / 2,
                                 2);
        const auto controls = controlsOf(dialog);
        EXPECT_GE(controls.size(), 2) << name;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = 0; j < i; ++j) {
                EXPECT_FALSE(controls[i]
                                 .second.adjusted(-gap, -gap, gap, gap)
                                 .intersects(controls[j].second))
                    << name << ": " << controls[i].first->objectName().toStdString() << " and "
                    << controls[j].first->objectName().toStdString();
            }
        }
        dialog->close();
    }
}

} // namespace
