#include "app/UnFormOptions.h"

#include "app/Applimits.h"
#include "app/Fonts.h"
#include "app/UnFormViewResults.h"
#include "framework/Handlerguard.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <tuple>

namespace {

struct TRecords
{
    TOptionsFormMain formMain;
    TOptionsEditor editor;
    TOptionsWinMsg winMsg;
    TOptionsViewResult viewResult;
    TOptionsFormViewResults results;

    bool operator==(const TRecords&) const = default;
};

constexpr TColor kWhite = 16777215;
constexpr TColor kNavy = 8388608;
constexpr TColor kSilver = 12632256;

// A value other than the built-in one in every field.
TRecords oddRecords()
{
    const QStringList fonts = installedFontFamilies();
    if (fonts.size() < 3)
        throw std::runtime_error("fewer than three font families installed");
    return {{-3, 1920, 801, 602, false, false, false, true, true, false, false, true, false, false},
            {fonts.at(1), TFontStyle::Bold | TFontStyle::Italic, 14, 255, 0xABCDEF, false},
            {fonts.at(2), TFontStyle::Italic, 8, 65280, 0, true},
            {2, 4, 2},
            {100, 200, 300, 400, false, false, fonts.at(0), TFontStyle::Bold, 20, 1, 2, true}};
}

// The first and last column holding the colour, or -1 both when none does.
std::pair<int, int> inkColumns(const QImage& image, TColor color)
{
    const QRgb ink = toQColor(color).rgb();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == ink) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

class FormOptions : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_Main = std::make_unique<CTestMainWindow>();
        m_Form = new TFormOptions(m_Main.get());
        m_Form->show();
    }

    void TearDown() override
    {
        m_Main.reset();
        CWindowTest::TearDown();
    }

public:
    // Public for the tables of cases, whose actions get the fixture.
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* widget = m_Form->findChild<T*>(name);
        if (widget == nullptr)
            throw std::runtime_error("no control " + name.toStdString());
        return widget;
    }
    QCheckBox* check(const QString& name) const { return control<QCheckBox>(name); }
    QComboBox* combo(const QString& name) const { return control<QComboBox>(name); }
    QImage sample(const QString& name) const { return control<QLabel>(name)->pixmap().toImage(); }

    // Brings the button's page forward and clicks it as the user would.
    void click(const QString& name) const
    {
        auto* button = control<QAbstractButton>(name);
        auto* pages = control<QTabWidget>(QStringLiteral("PageControl"));
        for (QWidget* widget = button; widget != nullptr; widget = widget->parentWidget()) {
            if (pages->indexOf(widget) >= 0)
                pages->setCurrentWidget(widget);
        }
        // A check box reacts on its box and text only, not on the rest of its row.
        const QPoint middle(std::min(button->width(), button->sizeHint().width()) / 2,
                            button->height() / 2);
        QTest::mouseClick(button, Qt::LeftButton, {}, middle);
    }

    void choose(const QString& name, const QString& item) const
    {
        QComboBox* list = combo(name);
        const int index = list->findText(item);
        if (index < 0)
            throw std::runtime_error("no item " + item.toStdString());
        list->setCurrentIndex(index);
    }

    void show(const TRecords& r) const
    {
        m_Form->SetOptions(r.formMain, r.editor, r.winMsg, r.viewResult, r.results);
    }

    TRecords read() const
    {
        TRecords r;
        m_Form->GetOptions(r.formMain, r.editor, r.winMsg, r.viewResult, r.results);
        return r;
    }

    TRecords readAfterOk() const
    {
        click(QStringLiteral("ButtonOk"));
        return read();
    }

    std::unique_ptr<CTestMainWindow> m_Main;
    TFormOptions* m_Form = nullptr;
};

TEST_F(FormOptions, OkGivesEveryShownValueBackUnchanged)
{
    for (const TRecords& handed : {oddRecords(), TRecords()}) {
        show(handed);
        EXPECT_EQ(readAfterOk(), handed);
        EXPECT_EQ(m_Form->result(), QDialog::Accepted);
        m_Form->show();
    }
}

TEST_F(FormOptions, EachControlChangedIsReadIntoItsField)
{
    const QString font = installedFontFamilies().at(1);
    struct TCase
    {
        const char* what;
        std::function<void(FormOptions&)> act;
        std::function<void(TRecords&)> expect;
    };
    const TCase cases[] = {
        {"association off", [](auto& t) { t.click("CheckBoxUseFileExtension"); },
         [](auto& r) { r.formMain.UseFileExtension = false; }},
        {"user's store off", [](auto& t) { t.click("CheckBoxUseRegister"); },
         [](auto& r) { r.formMain.UseRegister = false; }},
        {"log file", [](auto& t) { t.click("CheckBoxLogs"); },
         [](auto& r) { r.formMain.WriteLogs = true; }},
        {"no taskbar icon (tray on)", [](auto& t) { t.click("CheckBoxHideTaskBarAlways"); },
         [](auto& r) { r.formMain.ShowTaskBarIcon = false; }},
        {"editor font", [&](auto& t) { t.choose("ComboBoxEditorFontName", font); },
         [&](auto& r) { r.editor.FontName = font; }},
        {"editor bold", [](auto& t) { t.choose("ComboBoxEditorFontStyle", " Bold"); },
         [](auto& r) { r.editor.FontStyle = TFontStyle::Bold; }},
        {"messages size 72", [](auto& t) { t.choose("ComboBoxWinMsgFontSize", " 72"); },
         [](auto& r) { r.winMsg.FontSize = 72; }},
        {"no tab key", [](auto& t) { t.click("CheckBoxEditorTab"); },
         [](auto& r) { r.editor.UseTab = false; }},
        {"messages wrap", [](auto& t) { t.click("CheckBoxWinMsgWrap"); },
         [](auto& r) { r.winMsg.WrapWord = true; }},
        {"results in the editor", [](auto& t) { t.click("RadioButtonViewResEditor"); },
         [](auto& r) { r.viewResult.WhereShowResult = 0; }},
        {"precision 7", [](auto& t) { t.choose("ComboBoxPrecision", "7"); },
         [](auto& r) { r.viewResult.Precision = 7; }},
        {"standard format", [](auto& t) { t.click("RadioButtonFormatNumberGeneral"); },
         [](auto& r) { r.viewResult.FormatNumber = 1; }},
        {"results wrap, not on top",
         [](auto& t) {
             t.click("CheckBoxFormResultsWrap");
             t.click("CheckBoxFormResultsOnTop");
         },
         [](auto& r) {
             r.results.WrapWord = true;
             r.results.StayOnTop = false;
         }},
    };
    for (const TCase& c : cases) {
        TRecords start;
        start.formMain.ShowSystemTrayIcon = true;
        start.viewResult.Precision = 12;
        show(start);
        c.act(*this);
        TRecords expected = start;
        c.expect(expected);
        EXPECT_EQ(readAfterOk(), expected) << c.what;
        m_Form->show();
    }
}

TEST_F(FormOptions, ValuesTheListsLackAreKeptAsTheirFirstEntry)
{
    TRecords handed;
    handed.viewResult.Precision = 13;
    handed.editor.FontSize = 13;
    handed.winMsg.FontName = QStringLiteral("No Such Family 42");
    handed.results.FontName = installedFontFamilies().at(0).toUpper(); // letter case differs
    show(handed);
    const std::pair<const char*, QString> kept[] = {
        {"ComboBoxPrecision", QStringLiteral("13")},
        {"ComboBoxEditorFontSize", QStringLiteral(" 13")},
        {"ComboBoxWinMsgFontName", handed.winMsg.FontName},
        {"ComboBoxFormResultsFontName", handed.results.FontName},
    };
    for (const auto& [name, text] : kept) {
        EXPECT_EQ(combo(name)->currentIndex(), 0) << name;
        EXPECT_EQ(combo(name)->currentText(), text) << name;
    }
    EXPECT_EQ(combo("ComboBoxPrecision")->count(), kOptionsPrecisionItems + 1);
    EXPECT_EQ(readAfterOk(), handed);

    // A value the list holds drops the extra entry again; the user may pick over a kept one.
    m_Form->show();
    handed.viewResult.Precision = 12;
    handed.editor.FontSize = 14;
    show(handed);
    EXPECT_EQ(combo("ComboBoxPrecision")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(combo("ComboBoxPrecision")->count(), kOptionsPrecisionItems);
    EXPECT_EQ(combo("ComboBoxEditorFontSize")->count(), static_cast<int>(kZoomFontSizes.size()));
    choose("ComboBoxWinMsgFontName", installedFontFamilies().at(0));
    EXPECT_EQ(readAfterOk().winMsg.FontName, installedFontFamilies().at(0));
}

TEST_F(FormOptions, ListsOfferStylesSizesPrecisionsAndTheInstalledFonts)
{
    const auto items = [this](const char* name) {
        QStringList texts;
        for (int i = 0; i < combo(name)->count(); ++i)
            texts.append(combo(name)->itemText(i));
        return texts;
    };
    EXPECT_EQ(items("ComboBoxWinMsgFontStyle"),
              (QStringList{" Normal", " Italic", " Bold", " Bold italic"}));
    const QStringList sizes = items("ComboBoxFormResultsFontSize");
    EXPECT_EQ(sizes.size(), 24);
    EXPECT_EQ(sizes.first() + sizes.at(2) + sizes.last(), QStringLiteral("  8 10 72"));
    EXPECT_EQ(items("ComboBoxPrecision").join(QLatin1Char(',')),
              QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12"));
    // The built-in "Courier New" is kept at the top where this machine lacks it.
    QStringList names = items("ComboBoxEditorFontName");
    if (!installedFontFamilies().contains(QStringLiteral("Courier New")))
        names.removeFirst();
    EXPECT_EQ(names, installedFontFamilies());
    EXPECT_FALSE(combo("ComboBoxEditorFontName")->isEditable());
}

TEST_F(FormOptions, RadioButtonsShowOutOfRangeValuesAsTheyAreReadAndOkKeepsThem)
{
    // Any destination but 0 and 2 is the messages pane and any number format but 1 and 2 the
    // grouped one, as the calculation reads them; OK keeps the stored values.
    const struct
    {
        int stored;
        const char* where;
        const char* format;
        int readFormat;
    } cases[] = {
        {-5, "RadioButtonViewResWinMsg", "RadioButtonFormatNumberGeneralEx", -5},
        {0, "RadioButtonViewResEditor", "RadioButtonFormatNumberGeneralEx", 0},
        {1, "RadioButtonViewResWinMsg", "RadioButtonFormatNumberGeneral", 1},
        {2, "RadioButtonViewResForm", "RadioButtonFormatNumberScientific", 2},
        {9, "RadioButtonViewResWinMsg", "RadioButtonFormatNumberGeneralEx", 9},
    };
    for (const auto& c : cases) {
        TRecords handed;
        handed.viewResult = {c.stored, 12, c.stored};
        show(handed);
        EXPECT_TRUE(control<QRadioButton>(c.where)->isChecked()) << c.stored;
        EXPECT_TRUE(control<QRadioButton>(c.format)->isChecked()) << c.stored;
        EXPECT_EQ(readAfterOk().viewResult, (TOptionsViewResult{c.stored, 12, c.readFormat}))
            << c.stored;
        m_Form->show();
    }
}

TEST_F(FormOptions, UnknownResultDestinationChangesOnlyWithTheUsersChoice)
{
    const std::pair<QStringList, int> cases[] = {
        {{"RadioButtonViewResEditor"}, 0},
        {{"RadioButtonViewResForm", "RadioButtonViewResWinMsg"}, 7}, // away and back
        {{"ButtonDefault"}, 1},
    };
    for (const auto& [clicks, read] : cases) {
        TRecords handed;
        handed.viewResult.WhereShowResult = 7;
        handed.viewResult.FormatNumber = 7;
        show(handed);
        for (const QString& name : clicks)
            click(name);
        const TOptionsViewResult taken = readAfterOk().viewResult;
        EXPECT_EQ(taken.WhereShowResult, read) << clicks.join(' ').toStdString();
        // The number format is not touched by these clicks.
        EXPECT_EQ(taken.FormatNumber, clicks.contains(QStringLiteral("ButtonDefault")) ? 0 : 7)
            << clicks.join(' ').toStdString();
        m_Form->show();
    }
}

TEST_F(FormOptions, SelectPageFallsBackToTheMainPage)
{
    const std::pair<int, const char*> cases[] = {
        {0, "SheetMainOptions"}, {1, "SheetMainOptions"},  {2, "SheetEditor"},
        {3, "SheetWinMsg"},      {4, "SheetViewResults"},  {5, "SheetFormViewResults"},
        {6, "SheetMainOptions"}, {-1, "SheetMainOptions"},
    };
    for (const auto& [index, page] : cases) {
        m_Form->SelectPage(static_cast<TOptionsPage>(index));
        EXPECT_EQ(control<QTabWidget>("PageControl")->currentWidget()->objectName(), page) << index;
    }
}

TEST_F(FormOptions, UntickingTheTrayIconUnticksAndDisablesTheTaskbarBoxes)
{
    TRecords handed;
    handed.formMain.ShowSystemTrayIcon = true;
    handed.formMain.MinimizeToTaskBar = false;
    handed.formMain.ShowTaskBarIcon = false;
    show(handed);
    QCheckBox* minimize = check("CheckBoxHideTaskBarMinimize");
    QCheckBox* always = check("CheckBoxHideTaskBarAlways");
    EXPECT_TRUE(minimize->isEnabled() && minimize->isChecked() && always->isChecked());
    click("CheckBoxShowTrayIcon");
    EXPECT_FALSE(minimize->isChecked() || always->isChecked());
    EXPECT_FALSE(minimize->isEnabled() || always->isEnabled());
    click("CheckBoxShowTrayIcon");
    EXPECT_TRUE(minimize->isEnabled() && always->isEnabled());
    EXPECT_FALSE(minimize->isChecked() || always->isChecked());
    click("CheckBoxShowTrayIcon");
    const TOptionsFormMain read = readAfterOk().formMain;
    EXPECT_FALSE(read.ShowSystemTrayIcon);
    EXPECT_TRUE(read.MinimizeToTaskBar);
    EXPECT_TRUE(read.ShowTaskBarIcon);
}

TEST_F(FormOptions, DefaultShowsTheBuiltInValuesAndKeepsTheAssociation)
{
    const TRecords odd = oddRecords();
    show(odd);
    click("ButtonDefault");
    for (const char* name : {"CheckBoxUseRegister", "CheckBoxLogs", "CheckBoxShowTrayIcon",
                             "CheckBoxHideTaskBarMinimize", "CheckBoxHideTaskBarAlways"})
        EXPECT_FALSE(check(name)->isChecked()) << name;
    EXPECT_FALSE(check("CheckBoxHideTaskBarAlways")->isEnabled());
    EXPECT_FALSE(check("CheckBoxUseFileExtension")->isChecked());
    EXPECT_EQ(read(), odd) << "the records change only when the controls are read";

    TRecords expected;
    expected.formMain = odd.formMain;
    expected.formMain.ShowSystemTrayIcon = false;
    expected.formMain.MinimizeToTaskBar = true;
    expected.formMain.ShowTaskBarIcon = true;
    expected.formMain.WriteLogs = false;
    expected.viewResult.Precision = 12;
    expected.results =
        TOptionsFormViewResults{100, 200, 300, 400,    false, true, QStringLiteral("Courier New"),
                                {},  10,  0,   kWhite, false};
    EXPECT_EQ(readAfterOk(), expected);
}

TEST_F(FormOptions, SaveNowThenCancelGivesBackTheHandedRecords)
{
    m_Form->hide();
    const TRecords odd = oddRecords();
    show(odd);
    bool savedNow = false;
    whenModalActive(m_Form, [&](QWidget*) {
        click("CheckBoxLogs");
        click("ButtonSaveNow");
        savedNow = !read().formMain.WriteLogs;
        click("ButtonCancel");
    });
    EXPECT_EQ(m_Form->exec(), QDialog::Rejected);
    EXPECT_TRUE(savedNow) << "Save Now reads the controls";
    EXPECT_EQ(read(), odd);
    EXPECT_EQ(m_Main->formMain(), TOptionsFormMain());
}

TEST_F(FormOptions, ReturnMeansOkOnEveryPageAndLoadsNothing)
{
    struct TCase
    {
        TOptionsPage page;
        const char* sheet;
    };
    const TCase cases[] = {
        {TOptionsPage::Main, "SheetMainOptions"},
        {TOptionsPage::Editor, "SheetEditor"},
        {TOptionsPage::WinMsg, "SheetWinMsg"},
        {TOptionsPage::ViewResults, "SheetViewResults"},
        {TOptionsPage::FormViewResults, "SheetFormViewResults"},
    };
    // Stored values unlike the handed ones: a load would show them.
    writeFile(iniPath(), "[FormMain]\nWriteLogs=0\n[Editor]\nFontSize=16\n");
    const TRecords odd = oddRecords();
    m_Form->hide();
    for (const TCase& c : cases) {
        m_Form->SelectPage(c.page);
        show(odd);
        QWidget* focused = nullptr;
        whenModalActive(m_Form, [this, &focused](QWidget*) {
            focused = QApplication::focusWidget();
            QTest::keyClick(focused != nullptr ? focused : m_Form, Qt::Key_Return);
            if (m_Form->isVisible())
                m_Form->reject();
        });
        EXPECT_EQ(m_Form->exec(), QDialog::Accepted) << c.sheet;
        EXPECT_EQ(read(), odd) << c.sheet;
        auto* sheet = control(QLatin1String(c.sheet));
        EXPECT_TRUE(focused != nullptr && sheet->isAncestorOf(focused)) << c.sheet;
    }
}

TEST_F(FormOptions, CtrlTabTurnsThePageAlsoFromAList)
{
    struct TCase
    {
        const char* list;
        const char* from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* to;
    };
    const TCase cases[] = {
        {"ComboBoxEditorFontName", "SheetEditor", Qt::Key_Tab, Qt::ControlModifier, "SheetWinMsg"},
        {"ComboBoxPrecision", "SheetViewResults", Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier, "SheetWinMsg"},
    };
    auto* pages = control<QTabWidget>(QStringLiteral("PageControl"));
    for (const TCase& c : cases) {
        pages->setCurrentWidget(control(QLatin1String(c.from)));
        QComboBox* list = combo(QLatin1String(c.list));
        const int chosen = list->currentIndex();
        QTest::keyClick(list, c.key, c.modifiers);
        EXPECT_EQ(pages->currentWidget(), control(QLatin1String(c.to))) << c.list;
        EXPECT_EQ(list->currentIndex(), chosen) << c.list;
    }
}

TEST_F(FormOptions, LoadFromTheIniFileShowsStoredValuesOnly)
{
    const QString font = installedFontFamilies().at(1);
    writeFile(iniPath(), "[FormMain]\nShowSystemTrayIcon=1\nMinimizeToTaskBar=0\nWriteLogs=1\n"
                         "UseFileExtension=0\n[Editor]\nFontName="
                             + font.toUtf8()
                             + "\nFontStyle=2\nFontSize=16\nFontColor=255\nBackgroundColor=65280\n"
                               "UseTab=0\n[ViewResult]\nWhereShowResult=0\nPrecision=3\n"
                               "FormatNumber=2\n[FormViewResult]\nStayOnTop=0\n");
    const TRecords handed;
    show(handed);
    click("ButtonGetCfgFromIni");
    EXPECT_EQ(read(), handed);
    EXPECT_EQ(m_Main->editor(), TOptionsEditor());

    TRecords expected = handed;
    expected.formMain.ShowSystemTrayIcon = true;
    expected.formMain.MinimizeToTaskBar = false;
    expected.formMain.WriteLogs = true;
    expected.formMain.UseRegister = false; // the ini file's default
    expected.formMain.UseFileExtension = false;
    expected.editor = {font, TFontStyle::Bold, 16, 255, 65280, false};
    expected.winMsg.WrapWord = true; // the ini file's default for a missing key
    expected.viewResult = {0, 3, 2};
    expected.results.StayOnTop = false;
    expected.results.WrapWord = true;
    EXPECT_EQ(readAfterOk(), expected);
}

TEST_F(FormOptions, LoadFromTheUserStoreKeepsBuiltInValuesOfSectionsNeverStored)
{
    CUserOptionsManager store;
    const TRecords odd = oddRecords();
    ASSERT_TRUE(store.saveEditor(odd.editor, true));
    ASSERT_TRUE(store.saveViewResult(odd.viewResult, true));
    show(odd);
    click("ButtonGetCfgFromRegistry");
    EXPECT_EQ(combo("ComboBoxEditorFontName")->currentText(), odd.editor.FontName);
    EXPECT_FALSE(check("CheckBoxWinMsgWrap")->isChecked()) << "built-in, not the handed record";
    const TRecords read = readAfterOk();
    EXPECT_EQ(read.editor, odd.editor);
    EXPECT_EQ(read.viewResult, odd.viewResult);
    EXPECT_EQ(read.winMsg, TOptionsWinMsg());
    EXPECT_TRUE(read.formMain.UseFileExtension) << "the switches come from the (missing) ini file";
}

TEST_F(FormOptions, LoadButtonsDoNothingWithoutAMainWindow)
{
    writeFile(iniPath(), "[Editor]\nFontSize=16\n");
    TFormOptions orphan;
    const TRecords odd = oddRecords();
    orphan.SetOptions(odd.formMain, odd.editor, odd.winMsg, odd.viewResult, odd.results);
    orphan.ButtonGetCfgFromIniClick();
    orphan.ButtonGetCfgFromRegistryClick();
    orphan.ReadAllOptions();
    TRecords read;
    orphan.GetOptions(read.formMain, read.editor, read.winMsg, read.viewResult, read.results);
    EXPECT_EQ(read, odd);
}

TEST_F(FormOptions, ChosenColoursNeverMatchTheirAreasOtherColour)
{
    const struct
    {
        const char* button;
        TColor font;
        TColor background;
        TColor answer;
        TColor fontAfter;
        TColor backgroundAfter;
    } cases[] = {
        {"ButtonEditorFontColor", 0x123456, kWhite, kWhite, 0, kWhite},
        {"ButtonEditorFontColor", 0x123456, 0, 0, kNavy, 0},
        {"ButtonEditorBkgColor", 0, 0x123456, 0, 0, kWhite},
        {"ButtonEditorBkgColor", kWhite, 0x123456, kWhite, kWhite, kSilver},
        {"ButtonMsgFontColor", 0, 255, 255, 0, 255},
        {"ButtonMsgBkgColor", 0x00FF00, kWhite, 0x0000FF, 0x00FF00, 0x0000FF},
        {"ButtonFormResultsFontColor", 0, kWhite, 0x808080, 0x808080, kWhite},
        {"ButtonFormResultsBkgColor", kNavy, kWhite, kNavy, kNavy, kWhite},
    };
    for (const auto& c : cases) {
        TRecords handed;
        handed.editor.FontColor = handed.winMsg.FontColor = handed.results.FontColor = c.font;
        handed.editor.BackgroundColor = handed.winMsg.BackgroundColor =
            handed.results.BackgroundColor = c.background;
        show(handed);
        m_Dialogs.colorAnswers = {c.answer};
        m_Dialogs.colorRequests.clear();
        click(c.button);
        const bool isFont = QByteArray(c.button).contains("FontColor");
        ASSERT_EQ(m_Dialogs.colorRequests.size(), 1u) << c.button;
        EXPECT_EQ(m_Dialogs.colorRequests.front(), isFont ? c.font : c.background) << c.button;
        const TRecords read = readAfterOk();
        const QByteArray button(c.button);
        const auto [font, background] =
            button.contains("Editor")
                ? std::pair(read.editor.FontColor, read.editor.BackgroundColor)
            : button.contains("Msg")
                ? std::pair(read.winMsg.FontColor, read.winMsg.BackgroundColor)
                : std::pair(read.results.FontColor, read.results.BackgroundColor);
        EXPECT_EQ(font, c.fontAfter) << c.button << " " << c.answer;
        EXPECT_EQ(background, c.backgroundAfter) << c.button << " " << c.answer;
        m_Form->show();
    }
}

TEST_F(FormOptions, CancelledOrFailedColourChoiceChangesNothing)
{
    const TRecords odd = oddRecords();
    show(odd);
    m_Form->SelectPage(TOptionsPage::Editor);
    QApplication::processEvents();
    const QImage before = sample("ImageEditor");
    click("ButtonEditorFontColor");
    EXPECT_EQ(m_Dialogs.colorRequests.size(), 1u);

    struct CFailingDialogs : CScriptedDialogs
    {
        bool chooseColor(QWidget*, TColor&) override
        {
            throw std::runtime_error("no colour dialog");
        }
    } failing;
    CDialogSeams::install(&failing);
    QStringList logged;
    CHandlerGuard::setLogger([&](quint8 type, const QString& source, const QString& text) {
        logged.append(QString::number(type) + QLatin1Char('|') + source + QLatin1Char('|') + text);
    });
    click("ButtonEditorBkgColor");
    CDialogSeams::install(&m_Dialogs);
    EXPECT_EQ(logged,
              QStringList{"1|TFormOptions::ButtonEditorBkgColorClick|The error in 'ColorDialog'."});
    EXPECT_TRUE(failing.messages.empty() && m_Dialogs.messages.empty()) << "nothing is shown";
    EXPECT_EQ(sample("ImageEditor"), before);
    EXPECT_EQ(readAfterOk(), odd);
}

TEST_F(FormOptions, SampleIsDrawnInTheAreasColoursAndFont)
{
    TRecords handed;
    // A text font: a symbol font's glyphs stand away from where the text starts.
    const QStringList fonts = installedFontFamilies();
    const auto textFont = std::find_if(fonts.begin(), fonts.end(), [](const QString& name) {
        return name.startsWith(QLatin1String("DejaVu"));
    });
    handed.editor = {textFont != fonts.end() ? *textFont : fonts.at(0),
                     TFontStyle::Bold,
                     24,
                     255,
                     0x00FF00,
                     true};
    show(handed);
    m_Form->SelectPage(TOptionsPage::Editor);
    QApplication::processEvents();
    // The sample fills its group, and its picture the sample.
    const auto* label = control<QLabel>("ImageEditor");
    EXPECT_EQ(label->geometry(), label->parentWidget()->layout()->contentsRect());
    QImage image = sample("ImageEditor");
    ASSERT_EQ(image.size(), label->size());
    EXPECT_EQ(image.pixel(0, 0), toQColor(0x00FF00).rgb());
    auto [first, last] = inkColumns(image, 255);
    ASSERT_GE(first, 0) << "some pixel has the font colour";
    EXPECT_LE(std::abs(first - (image.width() - 1 - last)), 6) << "centred across";

    // Too wide to centre: drawn from the corner, its start seen and its end cut.
    handed.editor.FontSize = 120;
    show(handed);
    image = sample("ImageEditor");
    std::tie(first, last) = inkColumns(image, 255);
    EXPECT_GE(first, kOptionsSampleMargin);
    EXPECT_LT(first, image.width() / 4);
    EXPECT_GT(last, image.width() * 3 / 4);

    m_Dialogs.colorAnswers = {0x800000};
    click("ButtonEditorBkgColor");
    EXPECT_EQ(sample("ImageEditor").pixel(0, 0), toQColor(0x800000).rgb());
}

TEST_F(FormOptions, SampleShowsTheFontItsAreaGets)
{
    // As wide as the results window's text in the same font: a family this machine lacks, and
    // one it lists without its foundries where it has such.
    const QStringList fonts = installedFontFamilies();
    const auto unqualified = std::find_if(fonts.begin(), fonts.end(), [](const QString& name) {
        return !QFontDatabase::families().contains(name);
    });
    auto* results = new TFormViewResults(m_Main.get());
    m_Form->SelectPage(TOptionsPage::FormViewResults);
    QApplication::processEvents();
    for (const QString& name : {QStringLiteral("No Such Family 42"),
                                unqualified != fonts.end() ? *unqualified : fonts.at(0)}) {
        TRecords handed;
        handed.results = {0, 0, 0, 0, true, true, name, TFontStyle::Italic, 20, 255, kWhite, false};
        show(handed);
        results->ApplyOptions(handed.results);
        QImage area(sample("ImageFormResults").size(), QImage::Format_RGB32);
        area.fill(Qt::white);
        QPainter painter(&area);
        painter.setFont(results->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->font());
        painter.setPen(toQColor(255));
        painter.drawText(QPoint(kOptionsSampleMargin, area.height() / 2), QStringLiteral("AaBbCc"));
        painter.end();
        const auto [first, last] = inkColumns(sample("ImageFormResults"), 255);
        const auto [areaFirst, areaLast] = inkColumns(area, 255);
        EXPECT_EQ(last - first, areaLast - areaFirst) << name.toStdString();
    }

    // A stored size beyond the largest is drawn at the largest, and kept.
    TRecords handed;
    handed.results.FontSize = kFontSizeMax;
    show(handed);
    const QImage largest = sample("ImageFormResults");
    handed.results.FontSize = 3000;
    show(handed);
    EXPECT_EQ(sample("ImageFormResults"), largest);
    EXPECT_EQ(readAfterOk().results.FontSize, 3000);
}

TEST_F(FormOptions, CaptionsCarryTheirBlanks)
{
    EXPECT_EQ(m_Form->windowTitle(), QStringLiteral(" Options"));
    const std::pair<const char*, const char*> texts[] = {
        {"CheckBoxShowTrayIcon", " To show the Tray Icon"},
        {"CheckBoxEditorTab", " To use key 'Tab'"},
        {"RadioButtonFormatNumberGeneral", " Standard format, for example: 1234567.89"},
        {"ButtonGetCfgFromRegistry", "Load configuration from user settings"},
        {"ButtonSaveNow", "Save Now"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(control<QAbstractButton>(name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(control<QGroupBox>("GroupBoxMsgFont")->title(), QStringLiteral(" Font "));
    EXPECT_EQ(control<QLabel>("LabelFormResultsStyle")->text(), QStringLiteral("Pattern"));
    EXPECT_EQ(control<QLabel>("LabelInfo")->text(),
              QStringLiteral("The chosen options will be saved at closing the program"));
    // The information line is grey, yet clearly darker than the window behind it.
    const QColor info = control<QLabel>("LabelInfo")->palette().color(QPalette::WindowText);
    EXPECT_TRUE(info.red() == info.green() && info.green() == info.blue());
    EXPECT_GT(m_Form->palette().color(QPalette::Window).lightness() - info.lightness(), 100);
    // The log file's explanation stands on the page itself, not on a band of its own.
    m_Form->SelectPage(TOptionsPage::Main);
    QApplication::processEvents();
    auto* logs = control<QLabel>("MemoUseLogs");
    const QImage window = m_Form->grab().toImage();
    const QPoint corner = logs->mapTo(m_Form, QPoint(1, 1));
    const QPoint pageEdge = control("SheetMainOptions")->mapTo(m_Form, QPoint(1, 1));
    EXPECT_EQ(window.pixel(corner), window.pixel(pageEdge.x(), corner.y()));
    auto* pages = control<QTabWidget>("PageControl");
    EXPECT_EQ(pages->tabText(0), QStringLiteral(" System's options "));
    EXPECT_EQ(pages->tabText(4), QStringLiteral(" Window with results "));
}

TEST_F(FormOptions, CaptionsAreSetAgainAtEveryShowingAndTheWindowIsCentred)
{
    m_Form->hide();
    auto* pages = control<QTabWidget>("PageControl");
    QComboBox* style = combo("ComboBoxWinMsgFontStyle");
    const auto spoil = [&] {
        m_Form->setWindowTitle(QStringLiteral("x"));
        pages->setTabText(2, QStringLiteral("x"));
        control<QGroupBox>("GroupBoxFormatNumber")->setTitle(QStringLiteral("x"));
        check("CheckBoxLogs")->setText(QStringLiteral("x"));
        control<QLabel>("LabelPrecision")->setText(QStringLiteral("x"));
        control<QPushButton>("ButtonCancel")->setText(QStringLiteral("x"));
        style->setItemText(3, QStringLiteral("x"));
    };
    spoil();
    m_Form->move(0, 0);
    m_Form->show();
    EXPECT_EQ(m_Form->windowTitle(), QStringLiteral(" Options"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral(" Window with messages "));
    EXPECT_EQ(control<QGroupBox>("GroupBoxFormatNumber")->title(),
              QStringLiteral(" Number format "));
    EXPECT_EQ(check("CheckBoxLogs")->text(),
              QStringLiteral(" To use an auxiliary file for writing messages"));
    EXPECT_EQ(control<QLabel>("LabelPrecision")->text(),
              QStringLiteral("Numbers in the fractional part"));
    EXPECT_EQ(control<QPushButton>("ButtonCancel")->text(), QStringLiteral("Cancel"));
    const QStringList styles = {QStringLiteral(" Normal"), QStringLiteral(" Italic"),
                                QStringLiteral(" Bold"), QStringLiteral(" Bold italic")};
    for (int i = 0; i < styles.size(); ++i)
        EXPECT_EQ(style->itemText(i), styles.at(i)) << i;

    const QPoint screenCentre = m_Form->screen()->availableGeometry().center();
    EXPECT_LE((m_Form->frameGeometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(FormOptions, FixedStayOnTopWindowWithNoCaptionCut)
{
    EXPECT_TRUE(m_Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(m_Form->minimumSize(), m_Form->maximumSize());
    EXPECT_TRUE(m_Main->isWindowOpen(QStringLiteral("TFormOptions")));
    auto* pages = control<QTabWidget>("PageControl");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        for (QAbstractButton* button : pages->widget(page)->findChildren<QAbstractButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->objectName().toStdString();
    }
}

} // namespace
