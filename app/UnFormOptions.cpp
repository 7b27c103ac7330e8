#include "app/UnFormOptions.h"

#include "app/Applimits.h"
#include "app/Fonts.h"
#include "app/Numberformat.h"
#include "app/Resultstext.h"
#include "framework/Dialogseams.h"
#include "framework/Handlerguard.h"
#include "framework/Stringutils.h"
#include "framework/UnFormMainBaseImpl.h"
#include "framework/Windowplace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {

constexpr TColor kBlack = 0;
constexpr TColor kNavy = 8388608;
constexpr TColor kSilver = 12632256;

// Marks the extra first entry that holds a stored value its list lacks.
constexpr int kKeptEntryRole = Qt::UserRole;

const QString kSampleText = QStringLiteral("AaBbCc");
const QString kColorDialogFailure = QStringLiteral("The error in 'ColorDialog'.");

// The sources a failure inside a font page's handlers is logged with.
struct TFontPageSources
{
    const char* fontColor;
    const char* backgroundColor;
    const char* lists;
    const char* sampleResize;
};

constexpr TFontPageSources kFontPageSources[] = {
    {"TFormOptions::ButtonEditorFontColorClick", "TFormOptions::ButtonEditorBkgColorClick",
     "TFormOptions::ComboBoxEditorFontChange", "TFormOptions::ImageEditorResize"},
    {"TFormOptions::ButtonMsgFontColorClick", "TFormOptions::ButtonMsgBkgColorClick",
     "TFormOptions::ComboBoxWinMsgFontChange", "TFormOptions::ImageWinMsgResize"},
    {"TFormOptions::ButtonFormResultsFontColorClick",
     "TFormOptions::ButtonFormResultsBkgColorClick", "TFormOptions::ComboBoxFormResultsFontChange",
     "TFormOptions::ImageFormResultsResize"},
};

constexpr TOptionsFontArea kFontAreas[] = {TOptionsFontArea::Editor, TOptionsFontArea::WinMsg,
                                           TOptionsFontArea::FormResults};

// A font colour must stay readable on its background, and the other way round.
TColor fontColorAgainst(TColor chosen, TColor background)
{
    if (chosen != background)
        return chosen;
    return background == kBlack ? kNavy : kBlack;
}

TColor backgroundColorAgainst(TColor chosen, TColor fontColor)
{
    if (chosen != fontColor)
        return chosen;
    return fontColor == kColorWhite ? kSilver : kColorWhite;
}

void removeKeptEntry(QComboBox* combo)
{
    if (combo->count() > 0 && combo->itemData(0, kKeptEntryRole).toBool())
        combo->removeItem(0);
}

void keepUnlisted(QComboBox* combo, const QString& text)
{
    combo->insertItem(0, text);
    combo->setItemData(0, true, kKeptEntryRole);
    combo->setCurrentIndex(0);
}

// The sample text centred on the background, or from the corner when it does not fit.
void paintSample(QImage& picture, const QSize& size, const QFont& font, TColor fontColor,
                 TColor backgroundColor)
{
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(0, 0), size), toQColor(backgroundColor));
    painter.setFont(font);
    painter.setPen(toQColor(fontColor));
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(kSampleText);
    const int textHeight = metrics.height();
    const int x = textWidth <= size.width() ? (size.width() - textWidth) / 2 : kOptionsSampleMargin;
    const int y = textHeight <= size.height() ? (size.height() - textHeight) / 2
                                              : kOptionsSampleMargin;
    painter.drawText(x, y + metrics.ascent(), kSampleText);
}

// The page's first control the keys reach; of radio buttons, the one ticked.
QWidget* firstControlOf(QWidget* page)
{
    for (QWidget* control = page->nextInFocusChain(); control != page;
         control = control->nextInFocusChain()) {
        if (!page->isAncestorOf(control) || !control->isVisibleTo(page) || !control->isEnabled()
            || (control->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        if (qobject_cast<QRadioButton*>(control) != nullptr) {
            for (auto* radio :
                 control->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
                if (radio->isChecked())
                    return radio;
            }
        }
        return control;
    }
    return nullptr;
}

// Ctrl+Tab and Ctrl+Shift+Tab, the keys that turn the pages.
bool turnsThePage(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
           && event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

TFormOptions::TFormOptions(QWidget* owner)
    : TFormSecondary(owner)
{
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    fillLists();
    connectHandlers();
    setCaptions();
    m_Records = builtInRecords();
    m_HandedRecords = m_Records;
    showRecords(m_Records);
}

TFormOptions::TRecords TFormOptions::builtInRecords()
{
    TRecords records;
    records.viewResult.Precision = kOptionsBuiltInPrecision;
    return records;
}

template <class TRecord>
TFormOptions::TFontValues TFormOptions::fontValuesOf(const TRecord& record)
{
    return {record.FontName, record.FontStyle, record.FontSize, record.FontColor,
            record.BackgroundColor};
}

template <class TRecord>
void TFormOptions::takeFontValues(TRecord& record, const TFontValues& values)
{
    record.FontName = values.name;
    record.FontStyle = values.style;
    record.FontSize = values.size;
    record.FontColor = values.fontColor;
    record.BackgroundColor = values.backgroundColor;
}

TFormOptions::TFontControls& TFormOptions::controls(TOptionsFontArea area)
{
    return m_FontControls[static_cast<std::size_t>(area)];
}

const TFormOptions::TFontControls& TFormOptions::controls(TOptionsFontArea area) const
{
    return m_FontControls[static_cast<std::size_t>(area)];
}

void TFormOptions::connectHandlers()
{
    connect(m_CheckBoxShowTrayIcon, &QCheckBox::toggled, this,
            &TFormOptions::CheckBoxShowTrayIconClick);
    connect(m_ButtonGetCfgFromRegistry, &QPushButton::clicked, this,
            &TFormOptions::ButtonGetCfgFromRegistryClick);
    connect(m_ButtonGetCfgFromIni, &QPushButton::clicked, this,
            &TFormOptions::ButtonGetCfgFromIniClick);
    connect(m_ButtonDefault, &QPushButton::clicked, this, &TFormOptions::ButtonDefaultClick);
    connect(m_ButtonOk, &QPushButton::clicked, this, &TFormOptions::ButtonOkClick);
    connect(m_ButtonSaveNow, &QPushButton::clicked, this, &TFormOptions::ButtonSaveNowClick);
    connect(m_ButtonCancel, &QPushButton::clicked, this, [this] {
        CHandlerGuard::run("TFormOptions::ButtonCancelClick", [this] { reject(); });
    });

    for (TOptionsFontArea area : kFontAreas) {
        const TFontPageSources& sources = kFontPageSources[static_cast<int>(area)];
        const TFontControls& font = controls(area);
        connect(font.fontColorButton, &QPushButton::clicked, this, [this, area, sources] {
            CHandlerGuard::runQuiet(sources.fontColor, kColorDialogFailure,
                                    [this, area] { chooseFontColor(area); });
        });
        connect(font.backgroundColorButton, &QPushButton::clicked, this, [this, area, sources] {
            CHandlerGuard::runQuiet(sources.backgroundColor, kColorDialogFailure,
                                    [this, area] { chooseBackgroundColor(area); });
        });
        for (QComboBox* list : {font.name, font.style, font.size}) {
            connect(list, &QComboBox::currentIndexChanged, this, [this, area, sources] {
                CHandlerGuard::run(sources.lists, [this, area] { DrawSample(area); });
            });
        }
    }
}

void TFormOptions::SelectPage(TOptionsPage page)
{
    QWidget* sheet = m_SheetMainOptions;
    switch (page) {
    case TOptionsPage::Editor:
        sheet = m_SheetEditor;
        break;
    case TOptionsPage::WinMsg:
        sheet = m_SheetWinMsg;
        break;
    case TOptionsPage::ViewResults:
        sheet = m_SheetViewResults;
        break;
    case TOptionsPage::FormViewResults:
        sheet = m_SheetFormViewResults;
        break;
    default:
        break;
    }
    m_PageControl->setCurrentWidget(sheet);
}

void TFormOptions::SetOptions(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                              const TOptionsWinMsg& winMsg, const TOptionsViewResult& viewResult,
                              const TOptionsFormViewResults& formViewResults)
{
    m_Records = {formMain, editor, winMsg, viewResult, formViewResults};
    m_HandedRecords = m_Records;
    showRecords(m_Records);
}

void TFormOptions::GetOptions(TOptionsFormMain& formMain, TOptionsEditor& editor,
                              TOptionsWinMsg& winMsg, TOptionsViewResult& viewResult,
                              TOptionsFormViewResults& formViewResults) const
{
    formMain = m_Records.formMain;
    editor = m_Records.editor;
    winMsg = m_Records.winMsg;
    viewResult = m_Records.viewResult;
    formViewResults = m_Records.formViewResults;
}

void TFormOptions::showRecords(const TRecords& records)
{
    ShowMainOptions(records.formMain);
    showEditorOptions(records.editor);
    showWinMsgOptions(records.winMsg);
    showViewResultOptions(records.viewResult);
    showFormViewResultsOptions(records.formViewResults);
}

void TFormOptions::ShowMainOptions(const TOptionsFormMain& options)
{
    m_CheckBoxHideTaskBarMinimize->setChecked(!options.MinimizeToTaskBar);
    m_CheckBoxHideTaskBarAlways->setChecked(!options.ShowTaskBarIcon);
    m_CheckBoxUseRegister->setChecked(options.UseRegister);
    m_CheckBoxLogs->setChecked(options.WriteLogs);
    m_CheckBoxUseFileExtension->setChecked(options.UseFileExtension);
    {
        const QSignalBlocker blocker(m_CheckBoxShowTrayIcon);
        m_CheckBoxShowTrayIcon->setChecked(options.ShowSystemTrayIcon);
    }
    CheckBoxShowTrayIconClick();
}

void TFormOptions::ReadMainOptions(TOptionsFormMain& options) const
{
    options.UseFileExtension = m_CheckBoxUseFileExtension->isChecked();
    options.UseRegister = m_CheckBoxUseRegister->isChecked();
    options.WriteLogs = m_CheckBoxLogs->isChecked();
    options.ShowSystemTrayIcon = m_CheckBoxShowTrayIcon->isChecked();
    options.MinimizeToTaskBar = !m_CheckBoxHideTaskBarMinimize->isChecked();
    options.ShowTaskBarIcon = !m_CheckBoxHideTaskBarAlways->isChecked();
}

void TFormOptions::showFontValues(TOptionsFontArea area, const TFontValues& values)
{
    TFontControls& font = controls(area);
    {
        const QSignalBlocker nameBlocker(font.name);
        const QSignalBlocker styleBlocker(font.style);
        const QSignalBlocker sizeBlocker(font.size);
        SelectComboItemByText(font.name, values.name);
        SelectComboItemByStyle(font.style, values.style);
        SelectComboItemByNumber(font.size, values.size);
    }
    font.fontColor = values.fontColor;
    font.backgroundColor = values.backgroundColor;
    DrawSample(area);
}

TFormOptions::TFontValues TFormOptions::readFontValues(TOptionsFontArea area) const
{
    const TFontControls& font = controls(area);
    return {GetComboText(font.name), GetComboStyle(font.style),
            GetComboNumber(font.size, TOptionsEditor().FontSize), font.fontColor,
            font.backgroundColor};
}

void TFormOptions::showEditorOptions(const TOptionsEditor& options)
{
    showFontValues(TOptionsFontArea::Editor, fontValuesOf(options));
    m_CheckBoxEditorTab->setChecked(options.UseTab);
}

void TFormOptions::showWinMsgOptions(const TOptionsWinMsg& options)
{
    showFontValues(TOptionsFontArea::WinMsg, fontValuesOf(options));
    m_CheckBoxWinMsgWrap->setChecked(options.WrapWord);
}

void TFormOptions::showFormViewResultsOptions(const TOptionsFormViewResults& options)
{
    showFontValues(TOptionsFontArea::FormResults, fontValuesOf(options));
    m_CheckBoxFormResultsWrap->setChecked(options.WrapWord);
    m_CheckBoxFormResultsOnTop->setChecked(options.StayOnTop);
}

void TFormOptions::showViewResultOptions(const TOptionsViewResult& options)
{
    m_ComboBoxPrecision->clear();
    for (int precision = 1; precision <= kOptionsPrecisionItems; ++precision)
        m_ComboBoxPrecision->addItem(QString::number(precision));
    SelectComboItemByNumber(m_ComboBoxPrecision, options.Precision);

    m_ShownWhereShowResult = options.WhereShowResult;
    switch (resultsDestination(options.WhereShowResult)) {
    case TResultsDestination::Editor:
        m_RadioButtonViewResEditor->setChecked(true);
        break;
    case TResultsDestination::MessagesPane:
        m_RadioButtonViewResWinMsg->setChecked(true);
        break;
    case TResultsDestination::ResultsWindow:
        m_RadioButtonViewResForm->setChecked(true);
        break;
    }

    m_ShownFormatNumber = options.FormatNumber;
    switch (numberFormatOf(options.FormatNumber)) {
    case kGroupedNumbers:
        m_RadioButtonFormatNumberGeneralEx->setChecked(true);
        break;
    case kPlainNumbers:
        m_RadioButtonFormatNumberGeneral->setChecked(true);
        break;
    case kScientificNumbers:
        m_RadioButtonFormatNumberScientific->setChecked(true);
        break;
    }
}

void TFormOptions::readViewResultOptions(TOptionsViewResult& options) const
{
    options.Precision = GetComboNumber(m_ComboBoxPrecision, kOptionsBuiltInPrecision);
    TResultsDestination chosen = TResultsDestination::MessagesPane;
    if (m_RadioButtonViewResEditor->isChecked())
        chosen = TResultsDestination::Editor;
    if (m_RadioButtonViewResForm->isChecked())
        chosen = TResultsDestination::ResultsWindow;
    // An unknown stored value means the messages pane; it stays as stored while that choice
    // stands.
    options.WhereShowResult = resultsDestination(m_ShownWhereShowResult) == chosen
                                  ? m_ShownWhereShowResult
                                  : static_cast<int>(chosen);
    TNumberFormat format = kGroupedNumbers;
    if (m_RadioButtonFormatNumberGeneral->isChecked())
        format = kPlainNumbers;
    if (m_RadioButtonFormatNumberScientific->isChecked())
        format = kScientificNumbers;
    options.FormatNumber = numberFormatOf(m_ShownFormatNumber) == format ? m_ShownFormatNumber
                                                                         : format;
}

void TFormOptions::ReadAllOptions()
{
    ReadMainOptions(m_Records.formMain);

    takeFontValues(m_Records.editor, readFontValues(TOptionsFontArea::Editor));
    m_Records.editor.UseTab = m_CheckBoxEditorTab->isChecked();

    takeFontValues(m_Records.winMsg, readFontValues(TOptionsFontArea::WinMsg));
    m_Records.winMsg.WrapWord = m_CheckBoxWinMsgWrap->isChecked();

    readViewResultOptions(m_Records.viewResult);

    takeFontValues(m_Records.formViewResults, readFontValues(TOptionsFontArea::FormResults));
    m_Records.formViewResults.WrapWord = m_CheckBoxFormResultsWrap->isChecked();
    m_Records.formViewResults.StayOnTop = m_CheckBoxFormResultsOnTop->isChecked();
}

void TFormOptions::SelectComboItemByText(QComboBox* combo, const QString& text)
{
    removeKeptEntry(combo);
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        keepUnlisted(combo, text);
}

void TFormOptions::SelectComboItemByStyle(QComboBox* combo, TFontStyles style)
{
    // The list stands in the order of the stored style numbers.
    combo->setCurrentIndex(fontStylesToNumber(style));
}

void TFormOptions::SelectComboItemByNumber(QComboBox* combo, int number)
{
    removeKeptEntry(combo);
    for (int i = 0; i < combo->count(); ++i) {
        bool isNumber = false;
        const int value = trimBlanks(combo->itemText(i)).toInt(&isNumber);
        if (isNumber && value == number) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    const qsizetype width = combo->count() > 0 ? combo->itemText(0).size() : 0;
    keepUnlisted(combo, QString::number(number).rightJustified(width));
}

QString TFormOptions::GetComboText(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return TOptionsEditor().FontName;
    return combo->currentText();
}

TFontStyles TFormOptions::GetComboStyle(const QComboBox* combo)
{
    return numberToFontStyles(combo->currentIndex());
}

int TFormOptions::GetComboNumber(const QComboBox* combo, int whenNoneSelected)
{
    if (combo->currentIndex() < 0)
        return whenNoneSelected;
    bool isNumber = false;
    const int value = trimBlanks(combo->currentText()).toInt(&isNumber);
    return isNumber ? value : whenNoneSelected;
}

void TFormOptions::DrawSample(TOptionsFontArea area)
{
    QLabel* sample = controls(area).sample;
    const TFontValues values = readFontValues(area);
    const qreal ratio = sample->devicePixelRatioF();
    QImage picture(sample->size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    paintSample(picture, sample->size(), makeFont(values.name, values.style, values.size),
                values.fontColor, values.backgroundColor);
    sample->setPixmap(QPixmap::fromImage(picture));
}

void TFormOptions::chooseFontColor(TOptionsFontArea area)
{
    TFontControls& font = controls(area);
    TColor color = font.fontColor;
    if (!CDialogSeams::current().chooseColor(this, color))
        return;
    font.fontColor = fontColorAgainst(color, font.backgroundColor);
    DrawSample(area);
}

void TFormOptions::chooseBackgroundColor(TOptionsFontArea area)
{
    TFontControls& font = controls(area);
    TColor color = font.backgroundColor;
    if (!CDialogSeams::current().chooseColor(this, color))
        return;
    font.backgroundColor = backgroundColorAgainst(color, font.fontColor);
    DrawSample(area);
}

void TFormOptions::CheckBoxShowTrayIconClick()
{
    CHandlerGuard::run("TFormOptions::CheckBoxShowTrayIconClick", [this] {
        const bool tray = m_CheckBoxShowTrayIcon->isChecked();
        if (!tray) {
            m_CheckBoxHideTaskBarMinimize->setChecked(false);
            m_CheckBoxHideTaskBarAlways->setChecked(false);
        }
        m_CheckBoxHideTaskBarMinimize->setEnabled(tray);
        m_CheckBoxHideTaskBarAlways->setEnabled(tray);
    });
}

void TFormOptions::ButtonDefaultClick()
{
    CHandlerGuard::run("TFormOptions::ButtonDefaultClick", [this] {
        m_CheckBoxUseRegister->setChecked(false);
        m_CheckBoxLogs->setChecked(false);
        m_CheckBoxShowTrayIcon->setChecked(false);
        m_CheckBoxHideTaskBarMinimize->setChecked(false);
        m_CheckBoxHideTaskBarAlways->setChecked(false);
        const TRecords builtIn = builtInRecords();
        showEditorOptions(builtIn.editor);
        showWinMsgOptions(builtIn.winMsg);
        showViewResultOptions(builtIn.viewResult);
        showFormViewResultsOptions(builtIn.formViewResults);
    });
}

void TFormOptions::ButtonSaveNowClick()
{
    CHandlerGuard::run("TFormOptions::ButtonSaveNowClick", [this] { ReadAllOptions(); });
}

void TFormOptions::ButtonOkClick()
{
    CHandlerGuard::run("TFormOptions::ButtonOkClick", [this] {
        ReadAllOptions();
        accept();
    });
}

void TFormOptions::ButtonGetCfgFromRegistryClick()
{
    CHandlerGuard::run("TFormOptions::ButtonGetCfgFromRegistryClick",
                       [this] { loadStoredOptions(true); });
}

void TFormOptions::ButtonGetCfgFromIniClick()
{
    CHandlerGuard::run("TFormOptions::ButtonGetCfgFromIniClick",
                       [this] { loadStoredOptions(false); });
}

void TFormOptions::loadStoredOptions(bool useRegister)
{
    TFormMainBaseImpl* main = getMainForm();
    if (main == nullptr)
        return;
    TRecords loaded = builtInRecords();
    main->loadOptions(loaded.formMain, loaded.editor, loaded.winMsg, loaded.viewResult,
                      loaded.formViewResults, useRegister);
    showRecords(loaded);
}

bool TFormOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched) != nullptr
        && turnsThePage(*static_cast<QKeyEvent*>(event))) {
        CHandlerGuard::run("TFormOptions::PageControlKeyPress",
                           [this, event] { QCoreApplication::sendEvent(m_PageControl, event); });
        return true;
    }
    if (event->type() == QEvent::Resize) {
        for (TOptionsFontArea area : kFontAreas) {
            if (watched == controls(area).sample)
                CHandlerGuard::run(kFontPageSources[static_cast<int>(area)].sampleResize,
                                   [this, area] { DrawSample(area); });
        }
    }
    return TFormSecondary::eventFilter(watched, event);
}

void TFormOptions::formShow()
{
    CHandlerGuard::run("TFormOptions::FormShow", [this] {
        setCaptions();
        layout()->activate();
        windowPlace().centreOnScreen();
        // Each showing starts on the page asked for, wherever the focus was left before, and
        // marks it: else the first key would act on a control the user cannot see is meant.
        if (QWidget* control = firstControlOf(m_PageControl->currentWidget())) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            control->setFocus(Qt::TabFocusReason);
        }
    });
}

void TFormOptions::done(int result)
{
    if (result == Accepted)
        m_HandedRecords = m_Records;
    else
        m_Records = m_HandedRecords;
    TFormSecondary::done(result);
}
