#pragma once

#include "app/Textids.h"
#include "framework/Arrayshortstring.h"
#include "framework/Structures.h"
#include "framework/UnFormSecondary.h"

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

// The dialog's pages as the main window's commands ask for them; any other value is the main
// page.
enum class TOptionsPage { Main = 1, Editor, WinMsg, ViewResults, FormViewResults };

// The areas whose font and colours the dialog edits, each on a page of its own.
enum class TOptionsFontArea { Editor, WinMsg, FormResults };

// The options dialog: edits copies of five option records. The owner hands them in with
// SetOptions, shows the dialog modally and takes them back with GetOptions only after OK.
// The dialog never writes the stored options; its load buttons only show stored values.
// A stored font name, size or precision that its list lacks is kept as an extra first entry,
// so the dialog never changes a value the user did not touch.
class TFormOptions : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormOptions(QWidget* owner = nullptr);

    void SelectPage(TOptionsPage page);
    void SetOptions(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                    const TOptionsWinMsg& winMsg, const TOptionsViewResult& viewResult,
                    const TOptionsFormViewResults& formViewResults);
    void GetOptions(TOptionsFormMain& formMain, TOptionsEditor& editor, TOptionsWinMsg& winMsg,
                    TOptionsViewResult& viewResult, TOptionsFormViewResults& formViewResults) const;

    // Every control into the dialog's five records.
    void ReadAllOptions();
    void ShowMainOptions(const TOptionsFormMain& options);
    // Only the fields the main page edits change.
    void ReadMainOptions(TOptionsFormMain& options) const;

    // Selects the entry showing the value; a value the list lacks becomes its extra first
    // entry (replacing an earlier extra one) and is selected.
    static void SelectComboItemByText(QComboBox* combo, const QString& text);
    static void SelectComboItemByStyle(QComboBox* combo, TFontStyles style);
    static void SelectComboItemByNumber(QComboBox* combo, int number);
    // The selected value; with nothing selected "Courier New", no style, or the fallback.
    static QString GetComboText(const QComboBox* combo);
    static TFontStyles GetComboStyle(const QComboBox* combo);
    static int GetComboNumber(const QComboBox* combo, int whenNoneSelected);

    void DrawSample(TOptionsFontArea area);

    void CheckBoxShowTrayIconClick();
    void ButtonDefaultClick();
    void ButtonSaveNowClick();
    void ButtonOkClick();
    void ButtonGetCfgFromRegistryClick();
    void ButtonGetCfgFromIniClick();

protected:
    void formShow() override;
    // The samples fill their groups: each is drawn again at its new size.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Anything but OK gives back the records as they were handed in, Save Now or not.
    void done(int result) override;

private:
    struct TRecords
    {
        TOptionsFormMain formMain;
        TOptionsEditor editor;
        TOptionsWinMsg winMsg;
        TOptionsViewResult viewResult;
        TOptionsFormViewResults formViewResults;
    };

    // The controls of one font page with the area's two working colours.
    struct TFontControls
    {
        QComboBox* name = nullptr;
        QComboBox* style = nullptr;
        QComboBox* size = nullptr;
        QPushButton* fontColorButton = nullptr;
        QPushButton* backgroundColorButton = nullptr;
        QLabel* sample = nullptr;
        TColor fontColor = 0;
        TColor backgroundColor = 0;
    };

    // What the font values of a record look like to the page, whatever the record's type.
    struct TFontValues
    {
        QString name;
        TFontStyles style;
        int size = 0;
        TColor fontColor = 0;
        TColor backgroundColor = 0;
    };

    // Construction of the pages (UnFormOptionsPages.cpp).
    void createControls();
    QWidget* createMainPage();
    QWidget* createFontPage(TOptionsFontArea area);
    QWidget* createViewResultsPage();
    QWidget* createButtonRow();
    void fillLists();
    void connectHandlers();
    // Enters the control's caption in the list that setCaptions sets from the catalogue, at
    // construction and at every showing.
    template <class TControl>
    TControl* captioned(TControl* control, QString (*caption)(TTextId), TTextId id);
    void setCaptions();

    // The built-in records: at construction, by Default, and as the start of a load.
    static TRecords builtInRecords();
    template <class TRecord>
    static TFontValues fontValuesOf(const TRecord& record);
    template <class TRecord>
    static void takeFontValues(TRecord& record, const TFontValues& values);

    TFontControls& controls(TOptionsFontArea area);
    const TFontControls& controls(TOptionsFontArea area) const;
    void showFontValues(TOptionsFontArea area, const TFontValues& values);
    TFontValues readFontValues(TOptionsFontArea area) const;

    void showRecords(const TRecords& records);
    void showEditorOptions(const TOptionsEditor& options);
    void showWinMsgOptions(const TOptionsWinMsg& options);
    void showViewResultOptions(const TOptionsViewResult& options);
    void showFormViewResultsOptions(const TOptionsFormViewResults& options);
    void readViewResultOptions(TOptionsViewResult& options) const;
    void loadStoredOptions(bool useRegister);

    void chooseFontColor(TOptionsFontArea area);
    void chooseBackgroundColor(TOptionsFontArea area);

    CArrayShortString m_FontNames;
    std::vector<std::function<void()>> m_CaptionSetters;
    TRecords m_Records;
    // As SetOptions handed them in, for Cancel.
    TRecords m_HandedRecords;
    std::array<TFontControls, 3> m_FontControls;
    // The result destination as last shown, kept when the user leaves its choice alone.
    int m_ShownWhereShowResult = 1;
    // The number format as last shown, kept alike.
    int m_ShownFormatNumber = 0;

    QTabWidget* m_PageControl = nullptr;
    QWidget* m_SheetMainOptions = nullptr;
    QWidget* m_SheetEditor = nullptr;
    QWidget* m_SheetWinMsg = nullptr;
    QWidget* m_SheetViewResults = nullptr;
    QWidget* m_SheetFormViewResults = nullptr;
    QLabel* m_LabelInfo = nullptr;

    QCheckBox* m_CheckBoxShowTrayIcon = nullptr;
    QCheckBox* m_CheckBoxHideTaskBarMinimize = nullptr;
    QCheckBox* m_CheckBoxHideTaskBarAlways = nullptr;
    QCheckBox* m_CheckBoxUseRegister = nullptr;
    QPushButton* m_ButtonGetCfgFromRegistry = nullptr;
    QPushButton* m_ButtonGetCfgFromIni = nullptr;
    QLabel* m_MemoUseLogs = nullptr;
    QCheckBox* m_CheckBoxLogs = nullptr;
    QCheckBox* m_CheckBoxUseFileExtension = nullptr;

    QCheckBox* m_CheckBoxEditorTab = nullptr;
    QCheckBox* m_CheckBoxWinMsgWrap = nullptr;
    QCheckBox* m_CheckBoxFormResultsWrap = nullptr;
    QCheckBox* m_CheckBoxFormResultsOnTop = nullptr;

    QRadioButton* m_RadioButtonViewResEditor = nullptr;
    QRadioButton* m_RadioButtonViewResWinMsg = nullptr;
    QRadioButton* m_RadioButtonViewResForm = nullptr;
    QComboBox* m_ComboBoxPrecision = nullptr;
    QRadioButton* m_RadioButtonFormatNumberGeneralEx = nullptr;
    QRadioButton* m_RadioButtonFormatNumberGeneral = nullptr;
    QRadioButton* m_RadioButtonFormatNumberScientific = nullptr;

    QPushButton* m_ButtonDefault = nullptr;
    QPushButton* m_ButtonOk = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
    QPushButton* m_ButtonSaveNow = nullptr;
};
