#pragma once

#include "app/Documentencoding.h"
#include "app/Mainactions.h"
#include "app/Memoutils.h"
#include "framework/UnFormMainBaseImpl.h"
#include "interpreter/QMInterpreter.h"

#include <QByteArrayList>
#include <QPointer>

#include <functional>
#include <optional>
#include <span>

class CCalculationRun;
class CCodeEditor;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolBar;
class QWidget;
class TFormDoReplace;
class TFormFindText;
class TFormGotoLine;
class TFormOptions;
class TFormReplaceText;
class TFormSelectVariable;
class TFormViewResults;
enum class TOptionsPage;
struct TTestingOutcome;

// The calculator's main window: the editor of the calculation text above the messages pane,
// with the menus, tool bar, status line and tray menu. Its code is split by concern:
// UnFormMain.cpp (construction and life cycle), UnFormMainDocuments.cpp (documents and recent
// files), UnFormMainCalculation.cpp (calculation and results), UnFormMainCommands.cpp (the
// other commands, messages pane and status line).
class TFormMain : public TFormMainBaseImpl
{
    Q_OBJECT

public:
    // Without a tray backend the desktop's notification area is used.
    explicit TFormMain(QWidget* parent = nullptr,
                       std::unique_ptr<CTrayBackend> trayBackend = nullptr);
    ~TFormMain() override;

    // Start-up requests of the command line, carried out when the window is first shown.
    void setCommandLineFile(const QString& name);
    void setTestOutputFile(const QString& name);
    void setCalcOnStart();
    void setTestMode();
    void setHelpFileName(const QString& name);

    void setOptionsAndSave(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                           const TOptionsWinMsg& winMsg, const TOptionsViewResult& viewResult,
                           const TOptionsFormViewResults& formViewResults) override;
    void onRMouseClickTrayIcon() override;

    // The find and replace dialogs' requests.
    void findText(const QString& text, bool matchCase) override;
    void resetSearch() override;
    void replaceWithPrompt(const QString& text, const QString& replacement,
                           bool matchCase) override;
    void findForReplace(const QString& text, const QString& replacement, bool matchCase) override;
    void replaceCurrent(const QString& text, const QString& replacement, bool matchCase) override;
    void replaceAll(const QString& text, const QString& replacement, bool matchCase) override;
    void resetReplace() override;

    // For tests and the entry point.
    void showOptions(TOptionsPage page);
    bool openFile(const QString& name);
    void rebuildRecentMenu();
    void openRecentFile(int index);
    void showAbout();
    void setStatusText(const QString& text);
    QPlainTextEdit* codeEditor() const;
    QPlainTextEdit* messagesPane() const;
    QString getFileName() const { return m_FileName; }
    QString getStatusText() const { return m_StatusText; }
    // By the action's object name, the same word as its member of TMainActions.
    QAction* findAction(const QString& objectName) const;
    TFormViewResults* resultsWindow() const;
    // True while a calculation or the self-test runs on the worker.
    bool isCalculating() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction and life cycle (UnFormMain.cpp).
    static std::span<const TMainActionRow> actionRows();
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildCentralArea();
    void buildStatusLine();
    void FormShow();
    void carryOutStartRequests();
    void captureWindowState();
    void loadOptions();
    void saveOptions();
    void applyWindowOptions();
    void applyEditorOptions();
    void applyMessagesOptions();
    void applyResultOptions();
    void setMessagesWordWrap(bool wrap);
    void applyLanguage();
    void updateTitle();

    // Documents (UnFormMainDocuments.cpp).
    void FileNew();
    void FileOpen();
    // False when the document was not saved (cancelled or failed).
    bool FileSave();
    bool FileSaveAs();
    void querySaveChanges();
    void clearRecentFilesWithQuery();
    void doShowFileInfo();
    void MemoCodeChange();
    bool writeDocument(const QString& fileName);
    bool loadDocument(const QString& fileName);
    // The box with the message and the system's reason; the log names the failed operation.
    void showFileError(const char* operation, const QString& message, const QString& reason);
    // The caret to the last line kept, and the message that the text was cut.
    void reportTextCut();
    QStringList documentFilters() const;

    // Calculation and results (UnFormMainCalculation.cpp).
    void calculateAll();
    void calculateChoose();
    bool calculate();
    void showResults(bool all);
    QByteArrayList chooseVariables();
    void buildNumberFormat();
    void clearMessages();
    bool isMessagesEmpty() const;
    void showMessagesPane(bool show);
    void clearResultsForm();
    void setResultsFormVisible(bool show);
    void ViewResultsInForm(const QString& text);
    void addMessageLines(const QStringList& lines);
    void addEditorLines(const QString& text);
    void scrollToFirstLine(QPlainTextEdit* memo);
    void scrollToLinesAdded(int firstBlock);
    // Asks the run in progress to end; the window's commands come back when it has.
    void stopCalculation();
    TTestingOutcome runSelfTest(const QString& input, const QString& report);
    // Runs job on the worker with the text and every command that would change it or start
    // another run locked; see CCalculationRun::run.
    void runOnWorker(const std::function<void()>& job, std::function<void()> stop, bool waitAtOnce);
    // A run asked for on the command line starts once the window is on the screen.
    void runWhenShown(std::function<void()> run);

    // Commands, messages pane and status line (UnFormMainCommands.cpp).
    void editUndo();
    void editCut();
    void editPaste();
    void editDelete();
    void doGotoLine();
    void doSearch();
    void doSearchNext();
    void doReplace();
    void showHelpContents();
    void runTesting();
    // The self-test on the files; an input that cannot be read or a report that cannot be
    // written is shown and logged, an input cut is shown.
    void performTesting(const QString& input, const QString& report);
    void updateStatusLine();
    QString getCaretStatusText() const;
    void setToolBarVisible(bool show);
    void setStatusBarVisible(bool show);
    void restoreMessagesHeight();
    // A replacement has no insertion to cut: one that takes the text beyond the editor's
    // limit is taken back whole, so the user's own text is never cut.
    void takeBackReplacementBeyondLimit();
    TFormFindText* findDialog();

    TMainActions m_Actions;
    xonQMInterpreter::CQMInterpreter m_Interpreter;
    QPointer<TFormGotoLine> m_FormGotoLine;
    QPointer<TFormFindText> m_FormFindText;
    QPointer<TFormReplaceText> m_FormReplaceText;
    QPointer<TFormDoReplace> m_FormDoReplace;
    QPointer<TFormViewResults> m_FormViewResults;
    QPointer<TFormOptions> m_FormOptions;
    QPointer<TFormSelectVariable> m_FormSelectVariable;
    TMemoTools m_MemoTools;
    int m_SelectVariableZoom;
    bool m_ResultsAppended = false;
    CCalculationRun* m_Run = nullptr;
    // Closing was asked for during a run: the window closes once the run has ended.
    bool m_CloseAfterRun = false;
    bool m_CalcOnStart = false;
    bool m_TestMode = false;
    bool m_Shown = false;
    QString m_CommandLineFile;
    QString m_TestOutputFile;
    // The document's file, by the bytes of its name (platform/Filenamebytes.h), which the title
    // and the dialogs show as text.
    QString m_FileName;
    QString m_NumberFormat;
    QString m_StatusText;
    QString m_HelpFileName;
    // The encoding the document was read in; a new document has none yet.
    std::optional<TDocumentEncoding> m_DocumentEncoding;
    // Only the beginning of the document's file could be held when it was opened.
    bool m_DocumentCut = false;
    // The folders the open and save dialogs start in.
    QString m_OpenFolder;
    QString m_SaveFolder;

    CCodeEditor* MemoCode = nullptr;
    QPlainTextEdit* MemoMsg = nullptr;
    QSplitter* Splitter = nullptr;
    QWidget* PanelMsg = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolBar* ToolBarMsg = nullptr;
    QStatusBar* StatusLine = nullptr;
    QLabel* StatusPanelCaret = nullptr;
    QLabel* StatusPanelText = nullptr;
    QMenu* MenuItemFileRecent = nullptr;
    QMenu* PopupMenuTrayIcon = nullptr;
    QTimer* TimerRefreshTrayIcon = nullptr;
};
