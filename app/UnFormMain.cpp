#include "app/UnFormMain.h"

#include "app/Actionitems.h"
#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Codeeditor.h"
#include "app/Commandline.h"
#include "app/Fonts.h"
#include "app/Nameresources.h"
#include "app/Placement.h"
#include "app/UnFormDoReplace.h"
#include "app/UnFormFindText.h"
#include "app/UnFormGotoLine.h"
#include "app/UnFormOptions.h"
#include "app/UnFormReplaceText.h"
#include "app/UnFormSelectVariable.h"
#include "app/UnFormViewResults.h"
#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"
#include "framework/Stringutils.h"
#include "interpreter/Testing.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kStatusCaretPanelWidth = 121;
constexpr int kStatusTextPanelWidth = 352;

} // namespace

TFormMain::TFormMain(QWidget* parent, std::unique_ptr<CTrayBackend> trayBackend)
    : TFormMainBaseImpl(parent, std::move(trayBackend))
    , m_SelectVariableZoom(kZoomDefaultIndex)
{
    setObjectName(QStringLiteral("FormMain"));
    setMinimumSize(kMainWindowMinWidth, kMainWindowMinHeight);
    setWindowIcon(appIcon(QStringLiteral("ombrix")));
    buildCentralArea();
    buildActions();
    buildMenus();
    buildToolBars();
    buildStatusLine();

    TimerRefreshTrayIcon = new QTimer(this);
    TimerRefreshTrayIcon->setObjectName(QStringLiteral("TimerRefreshTrayIcon"));
    TimerRefreshTrayIcon->setInterval(kTrayRefreshIntervalMs);
    connect(TimerRefreshTrayIcon, &QTimer::timeout, this, [this] {
        CHandlerGuard::run("TFormMain::TimerRefreshTrayIconTimer", [this] { refreshTrayIcon(); });
    });
    TimerRefreshTrayIcon->start();

    setOnRMouseClickTrayIcon([this] {
        CHandlerGuard::run("TFormMain::onRMouseClickTrayIcon", [this] { onRMouseClickTrayIcon(); });
    });
    m_MemoTools.setMemo(MemoCode);
    m_Interpreter.setTabSize(kEditorTabWidth);
    m_HelpFileName = getHelpFileName();
    applyLanguage();
}

TFormMain::~TFormMain()
{
    // The dialogs go first: they call back into this window while they close.
    delete m_FormGotoLine;
    delete m_FormFindText;
    delete m_FormReplaceText;
    delete m_FormDoReplace;
    delete m_FormViewResults;
    delete m_FormOptions;
    delete m_FormSelectVariable;
}

void TFormMain::buildCentralArea()
{
    auto* panelMain = new QWidget(this);
    panelMain->setObjectName(QStringLiteral("PanelMain"));
    auto* mainLayout = new QVBoxLayout(panelMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);

    Splitter = new QSplitter(Qt::Vertical, panelMain);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setChildrenCollapsible(false);
    mainLayout->addWidget(Splitter);

    MemoCode = new CCodeEditor(Splitter);
    MemoCode->setObjectName(QStringLiteral("MemoCode"));
    MemoCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoCode->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MemoCode, &QPlainTextEdit::textChanged, this, [this] {
        CHandlerGuard::run("TFormMain::MemoCodeChange", [this] { MemoCodeChange(); });
    });
    connect(MemoCode, &QPlainTextEdit::modificationChanged, this, [this] {
        CHandlerGuard::run("TFormMain::MemoCodeModified", [this] { updateTitle(); });
    });
    connect(MemoCode, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        CHandlerGuard::run("TFormMain::MemoCodeCaret", [this] { updateStatusLine(); });
    });
    connect(MemoCode, &CCodeEditor::insertionCut, this, [this] {
        CHandlerGuard::run("TFormMain::MemoCodeChange", [this] {
            reportTextCut();
            MemoCode->setFocus();
        });
    });

    PanelMsg = new QWidget(Splitter);
    PanelMsg->setObjectName(QStringLiteral("PanelMsg"));
    PanelMsg->setMinimumHeight(kMessagesPaneMinHeight);
    auto* msgLayout = new QHBoxLayout(PanelMsg);
    msgLayout->setContentsMargins(0, 0, 0, 0);
    msgLayout->setSpacing(0);
    ToolBarMsg = new QToolBar(PanelMsg);
    ToolBarMsg->setObjectName(QStringLiteral("ToolBarMsg"));
    ToolBarMsg->setOrientation(Qt::Vertical);
    ToolBarMsg->setIconSize(QSize(16, 16));
    msgLayout->addWidget(ToolBarMsg);
    MemoMsg = new QPlainTextEdit(PanelMsg);
    MemoMsg->setObjectName(QStringLiteral("MemoMsg"));
    MemoMsg->setReadOnly(true);
    // The program's own output: an undo history of it would only grow with every run.
    MemoMsg->setUndoRedoEnabled(false);
    MemoMsg->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoMsg->setContextMenuPolicy(Qt::CustomContextMenu);
    msgLayout->addWidget(MemoMsg);

    Splitter->addWidget(MemoCode);
    Splitter->addWidget(PanelMsg);
    Splitter->setStretchFactor(0, 1);
    Splitter->setStretchFactor(1, 0);
    // The editor takes what the pane does not need: the pane starts a little above its minimum.
    Splitter->setSizes({kMainWindowMinHeight * 4, kMessagesPaneStartHeight});
    setCentralWidget(panelMain);
}

QAction* TFormMain::findAction(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void TFormMain::buildActions()
{
    addGuardedAction(this, "ActionFileNew", QKeySequence(Qt::CTRL | Qt::Key_N),
                     [this] { FileNew(); });
    addGuardedAction(this, "ActionFileOpen", QKeySequence(Qt::CTRL | Qt::Key_O),
                     [this] { FileOpen(); });
    addGuardedAction(this, "ActionFileSave", QKeySequence(Qt::CTRL | Qt::Key_S),
                     [this] { FileSave(); });
    addGuardedAction(this, "ActionFileSaveAs", {}, [this] { FileSaveAs(); });
    addGuardedAction(this, "ActionFileInfo", {}, [this] { doShowFileInfo(); });
    addGuardedAction(this, "ActionFileRecentClear", {}, [this] { clearRecentFilesWithQuery(); });
    addGuardedAction(this, "ActionFileExit", {}, [this] { close(); });

    addGuardedAction(this, "ActionEditUndo", QKeySequence(Qt::CTRL | Qt::Key_Z),
                     [this] { editUndo(); });
    addGuardedAction(this, "ActionEditCat", QKeySequence(Qt::CTRL | Qt::Key_X),
                     [this] { editCut(); });
    // The editor's copy and the pane's copy share the key: each is scoped to its own widget,
    // since two window-wide actions on one key cancel each other.
    QAction* editCopy = addGuardedAction(this, "ActionEditCopy", QKeySequence(Qt::CTRL | Qt::Key_C),
                                         [this] { MemoCode->copy(); });
    editCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    removeAction(editCopy);
    MemoCode->addAction(editCopy);
    addGuardedAction(this, "ActionEditPaste", QKeySequence(Qt::CTRL | Qt::Key_V),
                     [this] { editPaste(); });
    addGuardedAction(this, "ActionEditDel", QKeySequence(Qt::CTRL | Qt::Key_Delete),
                     [this] { editDelete(); });
    addGuardedAction(this, "ActionEditSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A),
                     [this] { MemoCode->selectAll(); });
    addGuardedAction(this, "ActionEditGoto", QKeySequence(Qt::CTRL | Qt::Key_G),
                     [this] { doGotoLine(); });
    addGuardedAction(this, "ActionEditSearch", QKeySequence(Qt::CTRL | Qt::Key_F),
                     [this] { doSearch(); });
    addGuardedAction(this, "ActionEditSearchNext", QKeySequence(Qt::Key_F3),
                     [this] { doSearchNext(); });
    addGuardedAction(this, "ActionEditReplace", QKeySequence(Qt::CTRL | Qt::Key_R),
                     [this] { doReplace(); });

    addGuardedAction(this, "ActionViewToolBar", {},
                     [this] { setToolBarVisible(!ToolBar->isVisible()); })
        ->setCheckable(true);
    addGuardedAction(this, "ActionViewStatusBar", {},
                     [this] { setStatusBarVisible(!StatusLine->isVisible()); })
        ->setCheckable(true);
    addGuardedAction(this, "ActionViewWinMsg", {},
                     [this] { showMessagesPane(PanelMsg->isHidden()); })
        ->setCheckable(true);

    addGuardedAction(this, "ActionCalcAll", QKeySequence(Qt::Key_F5), [this] { calculateAll(); });
    addGuardedAction(this, "ActionCalcChoose", QKeySequence(Qt::Key_F4),
                     [this] { calculateChoose(); });

    const std::pair<const char*, int> optionPages[] = {
        {"ActionOptionsMain", 1},        {"ActionOptionsEditor", 2},
        {"ActionOptionsWinMsg", 3},      {"ActionOptionsViewResults", 4},
        {"ActionOptionsFormViewResults", 5},
    };
    for (const auto& [name, page] : optionPages)
        addGuardedAction(this, name, {}, "TFormMain::showOptions",
                         [this, page = page] { showOptions(page); });
    addGuardedAction(this, "ActionOptionsTesting", {}, [this] { runTesting(); });

    addGuardedAction(this, "ActionWinMsgResize", {}, [this] { restoreMessagesHeight(); });
    QAction* msgCopy = addGuardedAction(this, "ActionWinMsgCopy", QKeySequence(Qt::CTRL | Qt::Key_C),
                                        [this] { MemoMsg->copy(); });
    msgCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    removeAction(msgCopy);
    MemoMsg->addAction(msgCopy);
    addGuardedAction(this, "ActionWinMsgSelectAll", {}, [this] { MemoMsg->selectAll(); });
    addGuardedAction(this, "ActionWinMsgClear", {}, [this] { clearMessages(); });
    addGuardedAction(this, "ActionWinMsgHide", {}, [this] { showMessagesPane(false); });

    addGuardedAction(this, "ActionHelpContent", {}, [this] { showHelpContents(); });
    addGuardedAction(this, "ActionHelpAbout", {}, [this] { showAbout(); });
    addGuardedAction(this, "ActionShowProgram", {}, [this] { restoreFromTray(); });

    const std::pair<const char*, const char*> icons[] = {
        {"ActionFileNew", "new"},          {"ActionFileOpen", "open"},
        {"ActionFileSave", "save"},        {"ActionEditCat", "cut"},
        {"ActionEditCopy", "copy"},        {"ActionEditPaste", "paste"},
        {"ActionViewWinMsg", "messages"},  {"ActionCalcAll", "calculate"},
        {"ActionHelpContent", "help"},     {"ActionWinMsgClear", "clear"},
        {"ActionWinMsgResize", "restore-height"}, {"ActionWinMsgHide", "hide-pane"},
        {"ActionWinMsgCopy", "copy"},
    };
    for (const auto& [name, icon] : icons)
        findAction(QLatin1String(name))->setIcon(appIcon(QLatin1String(icon)));
}

void TFormMain::buildMenus()
{
    const auto action = [this](const char* name) { return findAction(QLatin1String(name)); };
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(QString());
    file->setObjectName(QStringLiteral("MenuItemFile"));
    file->addActions({action("ActionFileNew"), action("ActionFileOpen"), action("ActionFileSave"),
                      action("ActionFileSaveAs")});
    file->addSeparator();
    file->addAction(action("ActionFileInfo"));
    file->addSeparator();
    file->addAction(action("ActionFileRecentClear"));
    MenuItemFileRecent = file->addMenu(QString());
    MenuItemFileRecent->setObjectName(QStringLiteral("MenuItemFileRecent"));
    file->addSeparator();
    file->addAction(action("ActionFileExit"));
    connect(file, &QMenu::aboutToShow, this, [this] {
        CHandlerGuard::run("TFormMain::MenuItemFileClick", [this] {
            findAction(QStringLiteral("ActionFileRecentClear"))
                ->setEnabled(m_OptionsManager.getRecentFilesCount() > 0);
            rebuildRecentMenu();
        });
    });
    connect(MenuItemFileRecent, &QMenu::aboutToShow, this, [this] {
        CHandlerGuard::run("TFormMain::MenuItemFileRecentClick", [this] { rebuildRecentMenu(); });
    });

    // The editing commands stand alike in the Edit menu and the editor's context menu.
    const auto addEditingCommands = [&action](QMenu* menu) {
        menu->addAction(action("ActionEditUndo"));
        menu->addSeparator();
        menu->addActions({action("ActionEditCat"), action("ActionEditCopy"), action("ActionEditPaste"),
                          action("ActionEditDel")});
        menu->addSeparator();
        menu->addAction(action("ActionEditSelectAll"));
        menu->addSeparator();
    };
    QMenu* edit = bar->addMenu(QString());
    edit->setObjectName(QStringLiteral("MenuItemEdit"));
    addEditingCommands(edit);
    edit->addActions({action("ActionEditGoto"), action("ActionEditSearch"),
                      action("ActionEditSearchNext"), action("ActionEditReplace")});
    edit->addSeparator();
    edit->addAction(action("ActionWinMsgClear"));

    QMenu* view = bar->addMenu(QString());
    view->setObjectName(QStringLiteral("MenuItemView"));
    view->addActions({action("ActionViewToolBar"), action("ActionViewStatusBar"),
                      action("ActionViewWinMsg")});

    QMenu* calculation = bar->addMenu(QString());
    calculation->setObjectName(QStringLiteral("MenuItemCalculation"));
    calculation->addActions({action("ActionCalcAll"), action("ActionCalcChoose")});

    QMenu* options = bar->addMenu(QString());
    options->setObjectName(QStringLiteral("MenuItemOptions"));
    options->addActions({action("ActionOptionsEditor"), action("ActionOptionsWinMsg"),
                         action("ActionOptionsViewResults"), action("ActionOptionsFormViewResults")});
    options->addSeparator();
    options->addAction(action("ActionOptionsMain"));
    // Testing from the menu stays hidden: it runs the stored self-test files, a developer's tool.
    QAction* testing = action("ActionOptionsTesting");
    options->addAction(testing);
    testing->setVisible(false);

    QMenu* help = bar->addMenu(QString());
    help->setObjectName(QStringLiteral("MenuItemHelp"));
    help->addAction(action("ActionHelpContent"));
    help->addSeparator();
    help->addAction(action("ActionHelpAbout"));

    auto* popupCode = new QMenu(this);
    popupCode->setObjectName(QStringLiteral("PopupMenuCode"));
    addEditingCommands(popupCode);
    popupCode->addAction(action("ActionCalcAll"));
    connect(MemoCode, &QWidget::customContextMenuRequested, this, [this, popupCode](const QPoint& at) {
        CHandlerGuard::run("TFormMain::PopupMenuCodePopup",
                           [&] { popupCode->popup(MemoCode->viewport()->mapToGlobal(at)); });
    });

    auto* popupMsg = new QMenu(this);
    popupMsg->setObjectName(QStringLiteral("PopupMenuWinMsg"));
    popupMsg->addActions({action("ActionWinMsgCopy"), action("ActionWinMsgSelectAll")});
    popupMsg->addSeparator();
    popupMsg->addActions({action("ActionWinMsgClear"), action("ActionWinMsgResize"),
                          action("ActionWinMsgHide")});
    connect(MemoMsg, &QWidget::customContextMenuRequested, this, [this, popupMsg](const QPoint& at) {
        CHandlerGuard::run("TFormMain::PopupMenuWinMsgPopup",
                           [&] { popupMsg->popup(MemoMsg->viewport()->mapToGlobal(at)); });
    });

    PopupMenuTrayIcon = new QMenu(this);
    PopupMenuTrayIcon->setObjectName(QStringLiteral("PopupMenuTrayIcon"));
    PopupMenuTrayIcon->addAction(action("ActionShowProgram"));
    auto* trayAbout = new QAction(PopupMenuTrayIcon);
    trayAbout->setObjectName(QStringLiteral("MenuItemTrayAbout"));
    connect(trayAbout, &QAction::triggered, this,
            [this] { CHandlerGuard::run("TFormMain::ActionHelpAboutExecute", [this] { showAbout(); }); });
    PopupMenuTrayIcon->addAction(trayAbout);
    PopupMenuTrayIcon->addSeparator();
    PopupMenuTrayIcon->addAction(action("ActionFileExit"));
}

void TFormMain::buildToolBars()
{
    const auto action = [this](const char* name) { return findAction(QLatin1String(name)); };
    ToolBar = addToolBar(QString());
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    ToolBar->addActions({action("ActionFileNew"), action("ActionFileOpen"), action("ActionFileSave")});
    ToolBar->addSeparator();
    ToolBar->addActions({action("ActionEditCat"), action("ActionEditCopy"), action("ActionEditPaste")});
    ToolBar->addSeparator();
    ToolBar->addAction(action("ActionViewWinMsg"));
    ToolBar->addAction(action("ActionCalcAll"));
    ToolBar->addSeparator();
    ToolBar->addAction(action("ActionHelpContent"));
    // The copy action is scoped to the editor; its button copies the editor's selection all
    // the same.
    ToolBarMsg->addActions({action("ActionWinMsgClear"), action("ActionWinMsgResize"),
                            action("ActionWinMsgHide")});
}

void TFormMain::buildStatusLine()
{
    StatusLine = statusBar();
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusPanelCaret = new QLabel(StatusLine);
    StatusPanelCaret->setObjectName(QStringLiteral("StatusPanelCaret"));
    StatusPanelCaret->setAlignment(Qt::AlignCenter);
    StatusPanelCaret->setMinimumWidth(kStatusCaretPanelWidth);
    StatusPanelText = new QLabel(StatusLine);
    StatusPanelText->setObjectName(QStringLiteral("StatusPanelText"));
    StatusPanelText->setMinimumWidth(kStatusTextPanelWidth);
    StatusLine->addWidget(StatusPanelCaret);
    StatusLine->addWidget(StatusPanelText, 1);
}

void TFormMain::applyLanguage()
{
    const auto setText = [this](const char* name, TTextId id) {
        findAction(QLatin1String(name))->setText(getNameResource(id));
    };
    const auto setMenu = [this](const char* name, TTextId id) {
        findChild<QMenu*>(QLatin1String(name))->setTitle(getNameResource(id));
    };
    setMenu("MenuItemFile", TTextId::MenuFile);
    setMenu("MenuItemEdit", TTextId::MenuEdit);
    setMenu("MenuItemView", TTextId::MenuView);
    setMenu("MenuItemCalculation", TTextId::MenuCalculation);
    setMenu("MenuItemOptions", TTextId::MenuOptions);
    setMenu("MenuItemHelp", TTextId::MenuHelp);
    setMenu("MenuItemFileRecent", TTextId::RecentFiles);

    const std::pair<const char*, TTextId> texts[] = {
        {"ActionFileNew", TTextId::FileNew},
        {"ActionFileOpen", TTextId::FileOpen},
        {"ActionFileSave", TTextId::FileSave},
        {"ActionFileSaveAs", TTextId::FileSaveAs},
        {"ActionFileInfo", TTextId::AboutFile},
        {"ActionFileRecentClear", TTextId::ClearRecentFiles},
        {"ActionFileExit", TTextId::Exit},
        {"ActionShowProgram", TTextId::ShowProgram},
        {"ActionEditUndo", TTextId::Undo},
        {"ActionEditCat", TTextId::Cut},
        {"ActionEditCopy", TTextId::Copy},
        {"ActionEditPaste", TTextId::Paste},
        {"ActionEditDel", TTextId::Delete},
        {"ActionEditSelectAll", TTextId::SelectAll},
        {"ActionEditGoto", TTextId::GotoLineMenu},
        {"ActionEditSearch", TTextId::FindMenu},
        {"ActionEditSearchNext", TTextId::FindNextMenu},
        {"ActionEditReplace", TTextId::ReplaceMenu},
        {"ActionWinMsgResize", TTextId::DecreaseWindowSize},
        {"ActionWinMsgCopy", TTextId::MessagesCopy},
        {"ActionWinMsgSelectAll", TTextId::MessagesSelectAll},
        {"ActionWinMsgClear", TTextId::ClearWindowMessages},
        {"ActionWinMsgHide", TTextId::HideWindowMessages},
        {"ActionViewToolBar", TTextId::ShowHideToolBar},
        {"ActionViewStatusBar", TTextId::ShowHideStatusBar},
        {"ActionViewWinMsg", TTextId::ShowHideWindowMessages},
        {"ActionOptionsMain", TTextId::SystemOptions},
        {"ActionOptionsEditor", TTextId::OptionsEditor},
        {"ActionOptionsWinMsg", TTextId::OptionsWindowMessages},
        {"ActionOptionsViewResults", TTextId::OptionsFormatResults},
        {"ActionOptionsFormViewResults", TTextId::OptionsWindowResults},
        {"ActionOptionsTesting", TTextId::Testing},
        {"ActionHelpContent", TTextId::HelpContents},
        {"ActionHelpAbout", TTextId::About},
        {"ActionCalcAll", TTextId::CalculateAll},
        {"ActionCalcChoose", TTextId::CalculateChoose},
        {"MenuItemTrayAbout", TTextId::AboutProgram},
    };
    for (const auto& [name, id] : texts)
        setText(name, id);

    // Tool-button hints: the messages-pane button says what it toggles.
    const std::pair<const char*, TTextId> hints[] = {
        {"ActionFileNew", TTextId::FileNew},         {"ActionFileOpen", TTextId::FileOpen},
        {"ActionFileSave", TTextId::FileSave},       {"ActionEditCat", TTextId::Cut},
        {"ActionEditCopy", TTextId::MessagesCopy},   {"ActionEditPaste", TTextId::Paste},
        {"ActionViewWinMsg", TTextId::ShowHideWindowMessages},
        {"ActionCalcAll", TTextId::CalculateAll},    {"ActionHelpContent", TTextId::HelpContents},
        {"ActionWinMsgClear", TTextId::ClearWindowMessages},
        {"ActionWinMsgResize", TTextId::DecreaseWindowSize},
        {"ActionWinMsgHide", TTextId::HideWindowMessages},
    };
    for (const auto& [name, id] : hints)
        findAction(QLatin1String(name))->setToolTip(getNameResource(id));
}

void TFormMain::setCommandLineFile(const QString& name)
{
    keepTrimmedName(m_CommandLineFile, name);
}

void TFormMain::setTestOutputFile(const QString& name)
{
    keepTrimmedName(m_TestOutputFile, name);
}

void TFormMain::setCalcOnStart()
{
    m_CalcOnStart = true;
}

void TFormMain::setTestMode()
{
    m_TestMode = true;
}

void TFormMain::setHelpFileName(const QString& name)
{
    m_HelpFileName = name;
}

void TFormMain::showEvent(QShowEvent* event)
{
    TFormMainBaseImpl::showEvent(event);
    if (m_Shown || event->spontaneous())
        return;
    m_Shown = true;
    CHandlerGuard::run("TFormMain::FormShow", [this] { FormShow(); });
}

void TFormMain::FormShow()
{
    loadOptions();
    writeLog(CFileLog::TYPE_INFORMATION, QStringLiteral("start of program"));
    updateTitle();
    setMessagesWordWrap(m_OptionsWinMsg.WrapWord);
    applyEditorOptions();
    applyMessagesOptions();
    applyResultOptions();
    applyWindowOptions();
    applyLanguage();
    updateStatusLine();
    applyTrayOptions();
    carryOutStartRequests();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (isCalculating()) {
        m_CloseAfterRun = true;
        stopCalculation();
        event->ignore();
        return;
    }
    // A failure escaping here would let the window close without the save query.
    CHandlerGuard::runQuiet("TFormMain::FormClose", QString(), [this] {
        writeLog(CFileLog::TYPE_INFORMATION, QStringLiteral("end of program"));
    });
    CHandlerGuard::runQuiet("TFormMain::FormClose", QString(), [this] { setResultsFormVisible(false); });
    // The save query decides whether the window closes at all.
    bool closing = true;
    CHandlerGuard::run("TFormMain::FormClose", [this, &closing] {
        closing = false;
        querySaveChanges();
        closing = true;
    });
    if (!closing) {
        event->ignore();
        return;
    }
    CHandlerGuard::runQuiet("TFormMain::FormClose", QString(), [this] { saveOptions(); });
    const QPointer<TFormSecondary> dialogs[] = {
        m_FormGotoLine.data(), m_FormFindText.data(), m_FormReplaceText.data(),
        m_FormDoReplace.data(), m_FormViewResults.data(), m_FormOptions.data(),
        m_FormSelectVariable.data(),
    };
    for (const QPointer<TFormSecondary>& dialog : dialogs)
        CHandlerGuard::runQuiet("TFormMain::FormClose", QString(), [&dialog] { delete dialog.data(); });
    event->accept();
}

void TFormMain::loadOptions()
{
    m_OptionsManager.loadUseRegister();
    m_OptionsManager.loadFormMain(m_OptionsFormMain);
    m_OptionsManager.loadEditor(m_OptionsEditor);
    m_OptionsManager.loadWinMsg(m_OptionsWinMsg);
    m_OptionsManager.loadViewResult(m_OptionsViewResult);
    m_OptionsManager.loadFormViewResult(m_OptionsFormViewResults);
    m_OptionsManager.loadTesting(m_OptionsTesting);
    m_OptionsManager.loadRecentFiles();

    const QRect kept = keepOnDesktop(QRect(m_OptionsFormMain.Left, m_OptionsFormMain.Top,
                                           m_OptionsFormMain.Width, m_OptionsFormMain.Height),
                                     availableVirtualDesktop());
    m_OptionsFormMain.Left = kept.left();
    m_OptionsFormMain.Top = kept.top();
    m_OptionsFormMain.Width = kept.width();
    m_OptionsFormMain.Height = kept.height();
}

void TFormMain::captureWindowState()
{
    // The normal place, also while maximised, so the window does not creep from run to run.
    const QRect place = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_OptionsFormMain.Top = place.top();
    m_OptionsFormMain.Left = place.left();
    m_OptionsFormMain.Width = place.width();
    m_OptionsFormMain.Height = place.height();
    m_OptionsFormMain.ShowStatusBar = !StatusLine->isHidden();
    m_OptionsFormMain.ShowToolBar = !ToolBar->isHidden();
    m_OptionsFormMain.ShowWindowMessages = !PanelMsg->isHidden();
    m_OptionsFormMain.Maximized = isMaximized();
}

void TFormMain::saveOptions()
{
    captureWindowState();

    m_OptionsManager.setUseRegister(m_OptionsFormMain.UseRegister);
    m_OptionsManager.addRecentFile(m_FileName);
    m_OptionsManager.saveFormMain(m_OptionsFormMain);
    m_OptionsManager.saveEditor(m_OptionsEditor);
    m_OptionsManager.saveWinMsg(m_OptionsWinMsg);
    m_OptionsManager.saveViewResult(m_OptionsViewResult);
    m_OptionsManager.saveFormViewResult(m_OptionsFormViewResults);
    m_OptionsManager.saveTesting(m_OptionsTesting);
    m_OptionsManager.saveRecentFiles();
    if (m_OptionsFormMain.UseFileExtension)
        registerFileExtension();
    else
        unregisterFileExtension();
}

void TFormMain::setOptionsAndSave(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                                  const TOptionsWinMsg& winMsg, const TOptionsViewResult& viewResult,
                                  const TOptionsFormViewResults& formViewResults)
{
    m_OptionsFormMain = formMain;
    m_OptionsEditor = editor;
    m_OptionsWinMsg = winMsg;
    m_OptionsViewResult = viewResult;
    m_OptionsFormViewResults = formViewResults;
    saveOptions();
}

void TFormMain::showOptions(int page)
{
    if (m_FormOptions == nullptr)
        m_FormOptions = new TFormOptions(this);
    if (m_FormViewResults != nullptr)
        m_FormViewResults->GetOptions(m_OptionsFormViewResults);
    m_FormOptions->SelectPage(page);
    m_FormOptions->SetOptions(m_OptionsFormMain, m_OptionsEditor, m_OptionsWinMsg, m_OptionsViewResult,
                              m_OptionsFormViewResults);
    if (m_FormOptions->exec() != QDialog::Accepted)
        return;
    m_FormOptions->GetOptions(m_OptionsFormMain, m_OptionsEditor, m_OptionsWinMsg, m_OptionsViewResult,
                              m_OptionsFormViewResults);
    // The window's place and bars are the window's own; the dialog has no controls for them.
    captureWindowState();

    applyWindowOptions();
    applyEditorOptions();
    applyMessagesOptions();
    applyResultOptions();
    if (m_FormViewResults != nullptr) {
        const bool onTop = m_FormViewResults->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        if (onTop != m_OptionsFormViewResults.StayOnTop) {
            const bool wasVisible = m_FormViewResults->isVisible();
            m_FormViewResults->hide();
            m_FormViewResults->setWindowFlag(Qt::WindowStaysOnTopHint, m_OptionsFormViewResults.StayOnTop);
            if (wasVisible)
                m_FormViewResults->show();
        }
        m_FormViewResults->SetOptions(m_OptionsFormViewResults);
        m_FormViewResults->ApplyOptions(m_OptionsFormViewResults);
        m_FormViewResults->update();
    }
}

void TFormMain::applyWindowOptions()
{
    if (!isMaximized())
        setGeometry(m_OptionsFormMain.Left, m_OptionsFormMain.Top, m_OptionsFormMain.Width,
                    m_OptionsFormMain.Height);
    setStatusBarVisible(m_OptionsFormMain.ShowStatusBar);
    setToolBarVisible(m_OptionsFormMain.ShowToolBar);
    showMessagesPane(m_OptionsFormMain.ShowWindowMessages);
    if (m_OptionsFormMain.Maximized)
        showMaximized();
    applyTrayOptions();
}

namespace {

// The font and colours the options give a text area; tabs stop every kEditorTabWidth blanks.
template <class TRecord>
void applyTextOptions(QPlainTextEdit* memo, const TRecord& options)
{
    memo->setFont(makeFont(options.FontName, options.FontStyle, options.FontSize));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, toQColor(options.FontColor));
    palette.setColor(QPalette::Base, toQColor(options.BackgroundColor));
    memo->setPalette(palette);
    memo->setTabStopDistance(QFontMetricsF(memo->font()).horizontalAdvance(QLatin1Char(' '))
                             * kEditorTabWidth);
}

} // namespace

void TFormMain::applyEditorOptions()
{
    applyTextOptions(MemoCode, m_OptionsEditor);
    MemoCode->setTabChangesFocus(!m_OptionsEditor.UseTab);
}

void TFormMain::applyMessagesOptions()
{
    applyTextOptions(MemoMsg, m_OptionsWinMsg);
    setMessagesWordWrap(m_OptionsWinMsg.WrapWord);
}

void TFormMain::setMessagesWordWrap(bool wrap)
{
    const bool wrapped = MemoMsg->lineWrapMode() != QPlainTextEdit::NoWrap;
    if (wrap == wrapped)
        return;
    MemoMsg->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    MemoMsg->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    MemoMsg->viewport()->update();
}

void TFormMain::applyResultOptions()
{
    buildNumberFormat();
}

void TFormMain::updateTitle()
{
    QString title = blankCaption(TTextId::ProgramName);
    const QString name = trimBlanks(m_FileName);
    const QString modified = MemoCode->document()->isModified() ? QStringLiteral("*") : QString();
    if (!name.isEmpty())
        title += QLatin1String("-[") + name + modified + QLatin1Char(']');
    else
        title += modified;
    setWindowTitle(title);
}

QPlainTextEdit* TFormMain::codeEditor() const
{
    return MemoCode;
}

QPlainTextEdit* TFormMain::messagesPane() const
{
    return MemoMsg;
}

void TFormMain::carryOutStartRequests()
{
    if (m_TestMode) {
        m_TestMode = false;
        QString input;
        QString report;
        if (m_CommandLineFile.isEmpty() || !resolveInputFileName(m_CommandLineFile, input)) {
            input.clear();
            if (!m_OptionsTesting.TestingFileIn.isEmpty()
                && !resolveInputFileName(m_OptionsTesting.TestingFileIn, input)) {
                writeLog(CFileLog::TYPE_INFORMATION, QLatin1String("[Testing] Can not open the file: ")
                                                         + m_OptionsTesting.TestingFileIn
                                                         + QLatin1Char('.'));
                input.clear();
            }
        }
        if (m_TestOutputFile.isEmpty() || !resolveOutputFileName(m_TestOutputFile, report)) {
            report.clear();
            if (!m_OptionsTesting.TestingFileOut.isEmpty()
                && !resolveOutputFileName(m_OptionsTesting.TestingFileOut, report))
                report.clear();
        }
        m_CommandLineFile.clear();
        m_TestOutputFile.clear();
        if (!input.isEmpty() && !report.isEmpty())
            runWhenShown([this, input, report] { performTesting(input, report); });
        return;
    }
    if (!m_CommandLineFile.isEmpty() && openFile(m_CommandLineFile) && m_CalcOnStart) {
        m_CalcOnStart = false;
        runWhenShown([this] { calculateAll(); });
    }
}
