#include "app/UnFormOptions.h"

#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Nameresources.h"
#include "framework/Addsysfunctions.h"

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
struct TFontPageNames {
    const char* sheet;
    const char* group;  // "GroupBox" + group + "Font", "Label" + group + "Name", ...
    const char* list;   // "ComboBox" + list + "FontName", "Image" + list
};

constexpr TFontPageNames kFontPageNames[] = {
    {"SheetEditor", "Editor", "Editor"},
    {"SheetWinMsg", "Msg", "WinMsg"},
    {"SheetFormViewResults", "FormResults", "FormResults"},
};

constexpr int kIndent = 20;          // the taskbar boxes stand under the tray box
constexpr int kSectionSpacing = 12;  // between the main page's groups of boxes
constexpr int kButtonRowGap = 4;     // added to the spacing between the pages and the buttons

QString blankAround(TTextId id)
{
    return QLatin1Char(' ') + getNameResource(id) + QLatin1Char(' ');
}

template <class T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' '))
        ++first;
    return text.mid(first);
}

QString composed(const char* first, const char* second, const char* third = "")
{
    return QLatin1String(first) + QLatin1String(second) + QLatin1String(third);
}

} // namespace

void TFormOptions::fillLists()
{
    m_FontNames.setUnique(true);
    GetFontNames(QFontDatabase::Latin, true, m_FontNames);
    QStringList names;
    for (int i = 0; i < m_FontNames.getCount(); ++i) {
        QString name;
        m_FontNames.get(i, name);
        names.append(withoutLeadingBlanks(name));
    }
    names.removeDuplicates();

    // In the order of the stored style numbers: the index is the number.
    QStringList styles;
    for (TTextId id : {TTextId::StyleNormal, TTextId::StyleItalic, TTextId::StyleBold,
                       TTextId::StyleBoldItalic})
        styles.append(blankCaption(id));

    // The same sizes the zoom of the results offers.
    QStringList sizes;
    for (int size : kZoomFontSizes)
        sizes.append(QString::number(size).rightJustified(kOptionsSizeFieldWidth));

    for (TFontControls& font : m_FontControls) {
        font.name->addItems(names);
        font.style->addItems(styles);
        font.size->addItems(sizes);
    }
}

void TFormOptions::createControls()
{
    m_LabelInfo = named(new QLabel(getNameResource(TTextId::OptionsSavedAtClosing)),
                        QStringLiteral("LabelInfo"));
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
    m_PageControl->addTab(m_SheetMainOptions, blankAround(TTextId::SystemOptions));
    m_PageControl->addTab(m_SheetEditor, blankAround(TTextId::PageEditor));
    m_PageControl->addTab(m_SheetWinMsg, blankAround(TTextId::PageWindowMessages));
    m_PageControl->addTab(m_SheetViewResults, blankAround(TTextId::PageFormatResults));
    m_PageControl->addTab(m_SheetFormViewResults, blankAround(TTextId::PageWindowResults));

    auto* content = new QVBoxLayout;
    content->addWidget(m_LabelInfo);
    content->addWidget(m_PageControl);
    content->addSpacing(kButtonRowGap);
    content->addWidget(createButtonRow());
    setPictureLayout(this, TDialogPicture::Program, content, QStringLiteral("PanelImage"),
                     QStringLiteral("Image"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFormOptions::createMainPage()
{
    auto* page = named(new QWidget, QStringLiteral("SheetMainOptions"));
    m_CheckBoxShowTrayIcon = named(new QCheckBox(blankCaption(TTextId::ShowTrayIcon)),
                                   QStringLiteral("CheckBoxShowTrayIcon"));
    m_CheckBoxHideTaskBarMinimize = named(new QCheckBox(blankCaption(TTextId::HideTaskBarAtMinimize)),
                                          QStringLiteral("CheckBoxHideTaskBarMinimize"));
    m_CheckBoxHideTaskBarAlways = named(new QCheckBox(blankCaption(TTextId::HideTaskBarAlways)),
                                        QStringLiteral("CheckBoxHideTaskBarAlways"));
    m_CheckBoxUseRegister = named(new QCheckBox(blankCaption(TTextId::UseUserSettings)),
                                  QStringLiteral("CheckBoxUseRegister"));
    m_ButtonGetCfgFromRegistry = named(new QPushButton(getNameResource(TTextId::LoadFromUserSettings)),
                                       QStringLiteral("ButtonGetCfgFromRegistry"));
    m_ButtonGetCfgFromIni = named(new QPushButton(getNameResource(TTextId::LoadFromIniFile)),
                                  QStringLiteral("ButtonGetCfgFromIni"));
    m_MemoUseLogs = named(new QLabel(getNameResource(TTextId::LogFileExplanation)),
                          QStringLiteral("MemoUseLogs"));
    m_MemoUseLogs->setWordWrap(true);
    m_MemoUseLogs->setAutoFillBackground(true);
    m_MemoUseLogs->setBackgroundRole(QPalette::Button);
    m_MemoUseLogs->setMargin(4);
    m_CheckBoxLogs = named(new QCheckBox(blankCaption(TTextId::UseLogFile)),
                           QStringLiteral("CheckBoxLogs"));
    m_CheckBoxUseFileExtension = named(new QCheckBox(blankCaption(TTextId::AssociateExtension)),
                                       QStringLiteral("CheckBoxUseFileExtension"));

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

    auto* fontGroup = named(new QGroupBox(blankAround(TTextId::Font)),
                            composed("GroupBox", names.group, "Font"));
    font.name = named(new QComboBox, composed("ComboBox", names.list, "FontName"));
    font.name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    font.name->setMinimumContentsLength(kOptionsNameListChars);
    font.style = named(new QComboBox, composed("ComboBox", names.list, "FontStyle"));
    font.size = named(new QComboBox, composed("ComboBox", names.list, "FontSize"));
    auto* fontLayout = new QGridLayout(fontGroup);
    fontLayout->addWidget(named(new QLabel(getNameResource(TTextId::FontNameLabel)),
                                composed("Label", names.group, "Name")), 0, 0);
    fontLayout->addWidget(font.name, 0, 1, 1, 4);
    fontLayout->addWidget(named(new QLabel(getNameResource(TTextId::FontStyleLabel)),
                                composed("Label", names.group, "Style")), 1, 0);
    fontLayout->addWidget(font.style, 1, 1);
    fontLayout->addItem(new QSpacerItem(kSectionSpacing, 0), 1, 2);
    fontLayout->addWidget(named(new QLabel(getNameResource(TTextId::FontSizeLabel)),
                                composed("Label", names.group, "Size")), 1, 3, Qt::AlignRight);
    fontLayout->addWidget(font.size, 1, 4);
    fontLayout->setColumnStretch(1, 1);

    auto* colorGroup = named(new QGroupBox(blankAround(TTextId::Color)),
                             composed("GroupBox", names.group, "Color"));
    font.fontColorButton = named(new QPushButton(getNameResource(TTextId::Font)),
                                 composed("Button", names.group, "FontColor"));
    font.backgroundColorButton = named(new QPushButton(getNameResource(TTextId::Background)),
                                       composed("Button", names.group, "BkgColor"));
    auto* colorLayout = new QVBoxLayout(colorGroup);
    colorLayout->addWidget(font.fontColorButton);
    colorLayout->addWidget(font.backgroundColorButton);
    colorLayout->addStretch();

    auto* sampleGroup = named(new QGroupBox(blankAround(TTextId::Sample)),
                              composed("GroupBox", names.group, "Sample"));
    font.sample = named(new QLabel, composed("Image", names.list));
    font.sample->setFixedSize(kOptionsSampleWidth, kOptionsSampleHeight);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    sampleLayout->addWidget(font.sample, 0, Qt::AlignCenter);

    auto* colorAndSample = new QHBoxLayout;
    colorAndSample->addWidget(colorGroup);
    colorAndSample->addWidget(sampleGroup, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fontGroup);
    layout->addLayout(colorAndSample);
    switch (area) {
    case TOptionsFontArea::Editor:
        m_CheckBoxEditorTab = named(new QCheckBox(blankCaption(TTextId::UseKeyTab)),
                                    QStringLiteral("CheckBoxEditorTab"));
        layout->addWidget(m_CheckBoxEditorTab);
        break;
    case TOptionsFontArea::WinMsg:
        m_CheckBoxWinMsgWrap = named(new QCheckBox(blankCaption(TTextId::OptionWordWrap)),
                                     QStringLiteral("CheckBoxWinMsgWrap"));
        layout->addWidget(m_CheckBoxWinMsgWrap);
        break;
    case TOptionsFontArea::FormResults:
        m_CheckBoxFormResultsWrap = named(new QCheckBox(blankCaption(TTextId::OptionWordWrap)),
                                          QStringLiteral("CheckBoxFormResultsWrap"));
        m_CheckBoxFormResultsOnTop = named(new QCheckBox(blankCaption(TTextId::AlwaysOnTop)),
                                           QStringLiteral("CheckBoxFormResultsOnTop"));
        layout->addWidget(m_CheckBoxFormResultsWrap);
        layout->addWidget(m_CheckBoxFormResultsOnTop);
        break;
    }
    layout->addStretch();
    return page;
}

QWidget* TFormOptions::createViewResultsPage()
{
    auto* page = named(new QWidget, QStringLiteral("SheetViewResults"));

    auto* whereGroup = named(new QGroupBox(blankAround(TTextId::WhereToDisplayResults)),
                             QStringLiteral("GroupBoxDisplayResults"));
    m_RadioButtonViewResEditor = named(new QRadioButton(blankCaption(TTextId::InEditorWindow)),
                                       QStringLiteral("RadioButtonViewResEditor"));
    m_RadioButtonViewResWinMsg = named(new QRadioButton(blankCaption(TTextId::InWindowMessages)),
                                       QStringLiteral("RadioButtonViewResWinMsg"));
    m_RadioButtonViewResForm = named(new QRadioButton(blankCaption(TTextId::InIndividualWindow)),
                                     QStringLiteral("RadioButtonViewResForm"));
    auto* whereLayout = new QVBoxLayout(whereGroup);
    whereLayout->addWidget(m_RadioButtonViewResEditor);
    whereLayout->addWidget(m_RadioButtonViewResWinMsg);
    whereLayout->addWidget(m_RadioButtonViewResForm);

    auto* formatGroup = named(new QGroupBox(blankAround(TTextId::NumberFormat)),
                              QStringLiteral("GroupBoxFormatNumber"));
    m_ComboBoxPrecision = named(new QComboBox, QStringLiteral("ComboBoxPrecision"));
    m_RadioButtonFormatNumberGeneralEx = named(new QRadioButton(blankCaption(TTextId::FormatThousands)),
                                               QStringLiteral("RadioButtonFormatNumberGeneralEx"));
    m_RadioButtonFormatNumberGeneral = named(new QRadioButton(blankCaption(TTextId::FormatStandard)),
                                             QStringLiteral("RadioButtonFormatNumberGeneral"));
    m_RadioButtonFormatNumberScientific = named(
        new QRadioButton(blankCaption(TTextId::FormatScientific)),
        QStringLiteral("RadioButtonFormatNumberScientific"));
    auto* precision = new QHBoxLayout;
    precision->addWidget(named(new QLabel(getNameResource(TTextId::FractionalDigits)),
                               QStringLiteral("LabelPrecision")));
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
    m_ButtonDefault = named(new QPushButton(getNameResource(TTextId::Default)),
                            QStringLiteral("ButtonDefault"));
    m_ButtonOk = named(new QPushButton(getNameResource(TTextId::OptionsOk)), QStringLiteral("ButtonOk"));
    m_ButtonCancel = named(new QPushButton(getNameResource(TTextId::Cancel)),
                           QStringLiteral("ButtonCancel"));
    m_ButtonSaveNow = named(new QPushButton(getNameResource(TTextId::SaveNow)),
                            QStringLiteral("ButtonSaveNow"));
    m_ButtonOk->setDefault(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ButtonDefault);
    layout->addStretch();
    layout->addWidget(m_ButtonOk);
    layout->addWidget(m_ButtonCancel);
    layout->addWidget(m_ButtonSaveNow);
    return row;
}
