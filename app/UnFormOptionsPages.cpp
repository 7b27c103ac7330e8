#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Fonts.h"
#include "app/Nameresources.h"
#include "app/UnFormOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

// Building the dialog's controls: pages, captions, layout. The logic is in UnFormOptions.cpp.

namespace {

// The names of one font page's controls differ by area in two parts.
struct TFontPageNames
{
    const char* sheet;
    const char* group; // "GroupBox" + group + "Font", "Label" + group + "Name", ...
    const char* list;  // "ComboBox" + list + "FontName", "Image" + list
};

constexpr TFontPageNames kFontPageNames[] = {
    {"SheetEditor", "Editor", "Editor"},
    {"SheetWinMsg", "Msg", "WinMsg"},
    {"SheetFormViewResults", "FormResults", "FormResults"},
};

constexpr int kIndent = 20;         // the taskbar boxes stand under the tray box
constexpr int kSectionSpacing = 12; // between the main page's groups of boxes

// Captions take three forms here: the text alone, after a blank (blankCaption), and between
// blanks.
QString plain(TTextId id)
{
    return getNameResource(id);
}

QString blankAround(TTextId id)
{
    return QLatin1Char(' ') + getNameResource(id) + QLatin1Char(' ');
}

void setCaption(QAbstractButton* control, const QString& text)
{
    control->setText(text);
}

void setCaption(QLabel* control, const QString& text)
{
    control->setText(text);
}

void setCaption(QGroupBox* control, const QString& text)
{
    control->setTitle(text);
}

// In the order of the stored style numbers: the index is the number.
constexpr TTextId kStyleIds[] = {TTextId::StyleNormal, TTextId::StyleItalic, TTextId::StyleBold,
                                 TTextId::StyleBoldItalic};

template <class T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString composed(const char* first, const char* second, const char* third = "")
{
    return QLatin1String(first) + QLatin1String(second) + QLatin1String(third);
}

} // namespace

template <class TControl>
TControl* TFormOptions::captioned(TControl* control, QString (*caption)(TTextId), TTextId id)
{
    m_CaptionSetters.push_back([control, caption, id] { setCaption(control, caption(id)); });
    return control;
}

void TFormOptions::setCaptions()
{
    setWindowTitle(blankCaption(TTextId::Options));
    for (const std::function<void()>& setter : m_CaptionSetters)
        setter();
}

void TFormOptions::fillLists()
{
    m_FontNames.setUnique(true);
    QStringList names;
    for (const QString& family : installedFontFamilies()) {
        if (m_FontNames.add(family) >= 0)
            names.append(family);
    }

    // The same sizes the zoom of the results offers.
    QStringList sizes;
    for (int size : kZoomFontSizes)
        sizes.append(QString::number(size).rightJustified(kOptionsSizeFieldWidth));

    for (TFontControls& font : m_FontControls) {
        font.name->addItems(names);
        font.size->addItems(sizes);
    }
}

void TFormOptions::createControls()
{
    m_LabelInfo = captioned(named(new QLabel, QStringLiteral("LabelInfo")), plain,
                            TTextId::OptionsSavedAtClosing);
    QPalette grey = m_LabelInfo->palette();
    // Grey, yet dark enough to read on the window colour.
    grey.setColor(QPalette::WindowText, Qt::darkGray);
    m_LabelInfo->setPalette(grey);

    m_PageControl = named(new QTabWidget, QStringLiteral("PageControl"));
    m_PageControl->setUsesScrollButtons(false);
    m_SheetMainOptions = createMainPage();
    m_SheetEditor = createFontPage(TOptionsFontArea::Editor);
    m_SheetWinMsg = createFontPage(TOptionsFontArea::WinMsg);
    m_SheetViewResults = createViewResultsPage();
    m_SheetFormViewResults = createFontPage(TOptionsFontArea::FormResults);
    const std::pair<QWidget*, TTextId> pages[] = {
        {m_SheetMainOptions, TTextId::SystemOptions},
        {m_SheetEditor, TTextId::PageEditor},
        {m_SheetWinMsg, TTextId::PageWindowMessages},
        {m_SheetViewResults, TTextId::PageFormatResults},
        {m_SheetFormViewResults, TTextId::PageWindowResults},
    };
    for (const auto& [page, id] : pages) {
        const int index = m_PageControl->addTab(page, QString());
        m_CaptionSetters.push_back(
            [this, index, id = id] { m_PageControl->setTabText(index, blankAround(id)); });
    }

    auto* content = new QVBoxLayout;
    content->addWidget(m_LabelInfo);
    content->addWidget(m_PageControl);
    content->addWidget(createButtonRow());
    setPictureLayout(this, TDialogPicture::Program, content, QStringLiteral("PanelImage"),
                     QStringLiteral("Image"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Return means OK on every page: a button that gets the focus does not take it over, and OK
    // becomes the dialog's default only once the dialog holds it.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    m_ButtonOk->setDefault(true);
    // A list takes Ctrl+Tab as a letter to pick an entry by; the page control must get it.
    for (QComboBox* list : findChildren<QComboBox*>())
        list->installEventFilter(this);
}

QWidget* TFormOptions::createMainPage()
{
    auto* page = named(new QWidget, QStringLiteral("SheetMainOptions"));
    m_CheckBoxShowTrayIcon = captioned(named(new QCheckBox, QStringLiteral("CheckBoxShowTrayIcon")),
                                       blankCaption, TTextId::ShowTrayIcon);
    m_CheckBoxHideTaskBarMinimize =
        captioned(named(new QCheckBox, QStringLiteral("CheckBoxHideTaskBarMinimize")), blankCaption,
                  TTextId::HideTaskBarAtMinimize);
    m_CheckBoxHideTaskBarAlways =
        captioned(named(new QCheckBox, QStringLiteral("CheckBoxHideTaskBarAlways")), blankCaption,
                  TTextId::HideTaskBarAlways);
    m_CheckBoxUseRegister = captioned(named(new QCheckBox, QStringLiteral("CheckBoxUseRegister")),
                                      blankCaption, TTextId::UseUserSettings);
    m_ButtonGetCfgFromRegistry =
        captioned(named(new QPushButton, QStringLiteral("ButtonGetCfgFromRegistry")), plain,
                  TTextId::LoadFromUserSettings);
    m_ButtonGetCfgFromIni = captioned(named(new QPushButton, QStringLiteral("ButtonGetCfgFromIni")),
                                      plain, TTextId::LoadFromIniFile);
    m_MemoUseLogs = captioned(named(new QLabel, QStringLiteral("MemoUseLogs")), plain,
                              TTextId::LogFileExplanation);
    m_MemoUseLogs->setWordWrap(true);
    m_CheckBoxLogs = captioned(named(new QCheckBox, QStringLiteral("CheckBoxLogs")), blankCaption,
                               TTextId::UseLogFile);
    m_CheckBoxUseFileExtension =
        captioned(named(new QCheckBox, QStringLiteral("CheckBoxUseFileExtension")), blankCaption,
                  TTextId::AssociateExtension);

    auto* taskBar = new QVBoxLayout;
    taskBar->setContentsMargins(kIndent, 0, 0, 0);
    taskBar->addWidget(m_CheckBoxHideTaskBarMinimize);
    taskBar->addWidget(m_CheckBoxHideTaskBarAlways);

    auto* loadButtons = new QHBoxLayout;
    loadButtons->addWidget(m_ButtonGetCfgFromRegistry);
    loadButtons->addWidget(m_ButtonGetCfgFromIni);
    loadButtons->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_CheckBoxShowTrayIcon);
    layout->addLayout(taskBar);
    layout->addSpacing(kSectionSpacing);
    layout->addWidget(m_CheckBoxUseRegister);
    layout->addLayout(loadButtons);
    layout->addSpacing(kSectionSpacing);
    layout->addWidget(m_MemoUseLogs);
    layout->addWidget(m_CheckBoxLogs);
    layout->addSpacing(kSectionSpacing);
    layout->addWidget(m_CheckBoxUseFileExtension);
    layout->addStretch();
    return page;
}

QWidget* TFormOptions::createFontPage(TOptionsFontArea area)
{
    const TFontPageNames& names = kFontPageNames[static_cast<int>(area)];
    TFontControls& font = controls(area);
    auto* page = named(new QWidget, QLatin1String(names.sheet));

    auto* fontGroup = captioned(named(new QGroupBox, composed("GroupBox", names.group, "Font")),
                                blankAround, TTextId::Font);
    font.name = named(new QComboBox, composed("ComboBox", names.list, "FontName"));
    font.name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    font.name->setMinimumContentsLength(kOptionsNameListChars);
    font.style = named(new QComboBox, composed("ComboBox", names.list, "FontStyle"));
    for (int i = 0; i < static_cast<int>(std::size(kStyleIds)); ++i) {
        font.style->addItem(QString());
        m_CaptionSetters.push_back(
            [list = font.style, i] { list->setItemText(i, blankCaption(kStyleIds[i])); });
    }
    font.size = named(new QComboBox, composed("ComboBox", names.list, "FontSize"));
    auto* fontLayout = new QGridLayout(fontGroup);
    fontLayout->addWidget(captioned(named(new QLabel, composed("Label", names.group, "Name")),
                                    plain, TTextId::FontNameLabel),
                          0, 0);
    fontLayout->addWidget(font.name, 0, 1, 1, 4);
    fontLayout->addWidget(captioned(named(new QLabel, composed("Label", names.group, "Style")),
                                    plain, TTextId::FontStyleLabel),
                          1, 0);
    fontLayout->addWidget(font.style, 1, 1);
    fontLayout->addItem(new QSpacerItem(kSectionSpacing, 0), 1, 2);
    fontLayout->addWidget(captioned(named(new QLabel, composed("Label", names.group, "Size")),
                                    plain, TTextId::FontSizeLabel),
                          1, 3, Qt::AlignRight);
    fontLayout->addWidget(font.size, 1, 4);
    fontLayout->setColumnStretch(1, 1);

    auto* colorGroup = captioned(named(new QGroupBox, composed("GroupBox", names.group, "Color")),
                                 blankAround, TTextId::Color);
    font.fontColorButton =
        captioned(named(new QPushButton, composed("Button", names.group, "FontColor")), plain,
                  TTextId::Font);
    font.backgroundColorButton =
        captioned(named(new QPushButton, composed("Button", names.group, "BkgColor")), plain,
                  TTextId::Background);
    auto* colorLayout = new QVBoxLayout(colorGroup);
    colorLayout->addWidget(font.fontColorButton);
    colorLayout->addWidget(font.backgroundColorButton);
    colorLayout->addStretch();

    auto* sampleGroup = captioned(named(new QGroupBox, composed("GroupBox", names.group, "Sample")),
                                  blankAround, TTextId::Sample);
    font.sample = named(new QLabel, composed("Image", names.list));
    // Its picture, drawn at the label's size, must not set the size it is drawn at.
    font.sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    font.sample->setMinimumSize(kOptionsSampleWidth, kOptionsSampleHeight);
    font.sample->installEventFilter(this);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    sampleLayout->addWidget(font.sample);

    auto* colorAndSample = new QHBoxLayout;
    colorAndSample->addWidget(colorGroup);
    colorAndSample->addWidget(sampleGroup, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fontGroup);
    layout->addLayout(colorAndSample, 1);
    switch (area) {
    case TOptionsFontArea::Editor:
        m_CheckBoxEditorTab = captioned(named(new QCheckBox, QStringLiteral("CheckBoxEditorTab")),
                                        blankCaption, TTextId::UseKeyTab);
        layout->addWidget(m_CheckBoxEditorTab);
        break;
    case TOptionsFontArea::WinMsg:
        m_CheckBoxWinMsgWrap = captioned(named(new QCheckBox, QStringLiteral("CheckBoxWinMsgWrap")),
                                         blankCaption, TTextId::OptionWordWrap);
        layout->addWidget(m_CheckBoxWinMsgWrap);
        break;
    case TOptionsFontArea::FormResults:
        m_CheckBoxFormResultsWrap =
            captioned(named(new QCheckBox, QStringLiteral("CheckBoxFormResultsWrap")), blankCaption,
                      TTextId::OptionWordWrap);
        m_CheckBoxFormResultsOnTop =
            captioned(named(new QCheckBox, QStringLiteral("CheckBoxFormResultsOnTop")),
                      blankCaption, TTextId::AlwaysOnTop);
        layout->addWidget(m_CheckBoxFormResultsWrap);
        layout->addWidget(m_CheckBoxFormResultsOnTop);
        break;
    }
    return page;
}

QWidget* TFormOptions::createViewResultsPage()
{
    auto* page = named(new QWidget, QStringLiteral("SheetViewResults"));

    auto* whereGroup = captioned(named(new QGroupBox, QStringLiteral("GroupBoxDisplayResults")),
                                 blankAround, TTextId::WhereToDisplayResults);
    m_RadioButtonViewResEditor =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonViewResEditor")), blankCaption,
                  TTextId::InEditorWindow);
    m_RadioButtonViewResWinMsg =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonViewResWinMsg")), blankCaption,
                  TTextId::InWindowMessages);
    m_RadioButtonViewResForm =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonViewResForm")), blankCaption,
                  TTextId::InIndividualWindow);
    auto* whereLayout = new QVBoxLayout(whereGroup);
    whereLayout->addWidget(m_RadioButtonViewResEditor);
    whereLayout->addWidget(m_RadioButtonViewResWinMsg);
    whereLayout->addWidget(m_RadioButtonViewResForm);

    auto* formatGroup = captioned(named(new QGroupBox, QStringLiteral("GroupBoxFormatNumber")),
                                  blankAround, TTextId::NumberFormat);
    m_ComboBoxPrecision = named(new QComboBox, QStringLiteral("ComboBoxPrecision"));
    m_RadioButtonFormatNumberGeneralEx =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonFormatNumberGeneralEx")),
                  blankCaption, TTextId::FormatThousands);
    m_RadioButtonFormatNumberGeneral =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonFormatNumberGeneral")),
                  blankCaption, TTextId::FormatStandard);
    m_RadioButtonFormatNumberScientific =
        captioned(named(new QRadioButton, QStringLiteral("RadioButtonFormatNumberScientific")),
                  blankCaption, TTextId::FormatScientific);
    auto* precision = new QHBoxLayout;
    precision->addWidget(captioned(named(new QLabel, QStringLiteral("LabelPrecision")), plain,
                                   TTextId::FractionalDigits));
    precision->addWidget(m_ComboBoxPrecision);
    precision->addStretch();
    auto* formatLayout = new QVBoxLayout(formatGroup);
    formatLayout->addLayout(precision);
    formatLayout->addWidget(m_RadioButtonFormatNumberGeneralEx);
    formatLayout->addWidget(m_RadioButtonFormatNumberGeneral);
    formatLayout->addWidget(m_RadioButtonFormatNumberScientific);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(whereGroup);
    layout->addWidget(formatGroup);
    layout->addStretch();
    return page;
}

QWidget* TFormOptions::createButtonRow()
{
    auto* row = new QWidget;
    m_ButtonDefault = captioned(named(new QPushButton, QStringLiteral("ButtonDefault")), plain,
                                TTextId::Default);
    m_ButtonOk = captioned(named(new QPushButton, QStringLiteral("ButtonOk")), plain,
                           TTextId::OptionsOk);
    m_ButtonCancel = captioned(named(new QPushButton, QStringLiteral("ButtonCancel")), plain,
                               TTextId::Cancel);
    m_ButtonSaveNow = captioned(named(new QPushButton, QStringLiteral("ButtonSaveNow")), plain,
                                TTextId::SaveNow);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ButtonDefault);
    layout->addStretch();
    layout->addWidget(m_ButtonOk);
    layout->addWidget(m_ButtonCancel);
    layout->addWidget(m_ButtonSaveNow);
    return row;
}
