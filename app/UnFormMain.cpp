#include "app/UnFormMain.h"

#include "app/Actionitems.h"
#include "app/Altcombinations.h"
#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Codeeditor.h"
#include "app/Commandline.h"
#include "app/Fonts.h"
#include "app/Mainactions.h"
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
#include "framework/Windowplace.h"
#include "platform/Filenamebytes.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
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
    // Also for the dialogs and their fields; it leaves with the window.
    QCoreApplication::instance()->installEventFilter(new CAltCombinationFilter(this));
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
    // Select All moves the caret to the end without a caret signal, only a selection one.
    for (const auto signal :
         {&QPlainTextEdit::cursorPositionChanged, &QPlainTextEdit::selectionChanged})
        connect(MemoCode, signal, this, [this] {
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
    // At the pane's smallest height (kMessagesPaneMinHeight) the three buttons fit only
    // without the bar's margin; else the last one goes into an overflow menu.
    ToolBarMsg->layout()->setContentsMargins(0, 0, 0, 0);
    msgLayout->addWidget(ToolBarMsg);
    MemoMsg = new QPlainTextEdit(PanelMsg);
    MemoMsg->setObjectName(QStringLiteral("MemoMsg"));
    MemoMsg->setReadOnly(true);
    // A caret, moved and selecting by the keys, shows that the pane has the focus.
    MemoMsg->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

std::span<const TMainActionRow> TFormMain::actionRows()
{
    using W = TFormMain;
    using A = TMainActions;
    // The order is the order of the entries in every menu and tool bar.
    static const TMainActionRow rows[] = {
        {.action = &A::ActionShowProgram,
         .name = "ActionShowProgram",
         .handler = [](W& w) { w.restoreFromTray(); },
         .text = TTextId::ShowProgram,
         .keptDuringRun = true,
         .places = kInTrayMenu},
        {.action = &A::MenuItemTrayAbout,
         .name = "MenuItemTrayAbout",
         .handler = [](W& w) { w.showAbout(); },
         .text = TTextId::AboutProgram,
         .places = kInTrayMenu,
         .source = "TFormMain::ActionHelpAboutExecute"},
        // The tray's own Exit: greyed while a dialog waits, which leaves the File menu's as it is.
        {.action = &A::MenuItemTrayExit,
         .name = "MenuItemTrayExit",
         .handler = [](W& w) { w.close(); },
         .text = TTextId::Exit,
         .keptDuringRun = true,
         .places = kInTrayMenu,
         .groupStarts = kInTrayMenu,
         .source = "TFormMain::ActionFileExitExecute"},
        {.action = &A::ActionFileNew,
         .name = "ActionFileNew",
         .handler = [](W& w) { w.FileNew(); },
         .text = TTextId::FileNew,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_N),
         .icon = "new",
         .toolTip = TTextId::FileNew,
         .places = kInFileMenu | kInToolBar},
        {.action = &A::ActionFileOpen,
         .name = "ActionFileOpen",
         .handler = [](W& w) { w.FileOpen(); },
         .text = TTextId::FileOpen,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_O),
         .icon = "open",
         .toolTip = TTextId::FileOpen,
         .places = kInFileMenu | kInToolBar},
        {.action = &A::ActionFileSave,
         .name = "ActionFileSave",
         .handler = [](W& w) { w.FileSave(); },
         .text = TTextId::FileSave,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_S),
         .icon = "save",
         .toolTip = TTextId::FileSave,
         .places = kInFileMenu | kInToolBar},
        {.action = &A::ActionFileSaveAs,
         .name = "ActionFileSaveAs",
         .handler = [](W& w) { w.FileSaveAs(); },
         .text = TTextId::FileSaveAs,
         .places = kInFileMenu},
        {.action = &A::ActionFileInfo,
         .name = "ActionFileInfo",
         .handler = [](W& w) { w.doShowFileInfo(); },
         .text = TTextId::AboutFile,
         .places = kInFileMenu,
         .groupStarts = kInFileMenu},
        // The recent files' submenu follows this entry.
        {.action = &A::ActionFileRecentClear,
         .name = "ActionFileRecentClear",
         .handler = [](W& w) { w.clearRecentFilesWithQuery(); },
         .text = TTextId::ClearRecentFiles,
         .places = kInFileMenu,
         .groupStarts = kInFileMenu},
        {.action = &A::ActionFileExit,
         .name = "ActionFileExit",
         .handler = [](W& w) { w.close(); },
         .text = TTextId::Exit,
         .keptDuringRun = true,
         .places = kInFileMenu,
         .groupStarts = kInFileMenu},

        {.action = &A::ActionEditUndo,
         .name = "ActionEditUndo",
         .handler = [](W& w) { w.editUndo(); },
         .text = TTextId::Undo,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Z),
         .places = kInEditMenu | kInEditorMenu},
        {.action = &A::ActionEditCat,
         .name = "ActionEditCat",
         .handler = [](W& w) { w.editCut(); },
         .text = TTextId::Cut,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_X),
         .icon = "cut",
         .toolTip = TTextId::Cut,
         .places = kInEditMenu | kInEditorMenu | kInToolBar,
         .groupStarts = kInEditMenu | kInEditorMenu | kInToolBar},
        // Its button copies the editor's selection, wherever the focus is.
        {.action = &A::ActionEditCopy,
         .name = "ActionEditCopy",
         .handler = [](W& w) { w.MemoCode->copy(); },
         .text = TTextId::Copy,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_C),
         .scope = TShortcutScope::Editor,
         .icon = "copy",
         .toolTip = TTextId::MessagesCopy,
         .keptDuringRun = true,
         .places = kInEditMenu | kInEditorMenu | kInToolBar},
        {.action = &A::ActionEditPaste,
         .name = "ActionEditPaste",
         .handler = [](W& w) { w.editPaste(); },
         .text = TTextId::Paste,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_V),
         .icon = "paste",
         .toolTip = TTextId::Paste,
         .places = kInEditMenu | kInEditorMenu | kInToolBar},
        {.action = &A::ActionEditDel,
         .name = "ActionEditDel",
         .handler = [](W& w) { w.editDelete(); },
         .text = TTextId::Delete,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Delete),
         .places = kInEditMenu | kInEditorMenu},
        {.action = &A::ActionEditSelectAll,
         .name = "ActionEditSelectAll",
         .handler = [](W& w) { w.MemoCode->selectAll(); },
         .text = TTextId::SelectAll,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_A),
         .keptDuringRun = true,
         .places = kInEditMenu | kInEditorMenu,
         .groupStarts = kInEditMenu | kInEditorMenu},
        {.action = &A::ActionEditGoto,
         .name = "ActionEditGoto",
         .handler = [](W& w) { w.doGotoLine(); },
         .text = TTextId::GotoLineMenu,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_G),
         .places = kInEditMenu,
         .groupStarts = kInEditMenu},
        {.action = &A::ActionEditSearch,
         .name = "ActionEditSearch",
         .handler = [](W& w) { w.doSearch(); },
         .text = TTextId::FindMenu,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F),
         .places = kInEditMenu},
        {.action = &A::ActionEditSearchNext,
         .name = "ActionEditSearchNext",
         .handler = [](W& w) { w.doSearchNext(); },
         .text = TTextId::FindNextMenu,
         .shortcut = QKeySequence(Qt::Key_F3),
         .places = kInEditMenu},
        {.action = &A::ActionEditReplace,
         .name = "ActionEditReplace",
         .handler = [](W& w) { w.doReplace(); },
         .text = TTextId::ReplaceMenu,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_R),
         .places = kInEditMenu},

        {.action = &A::ActionViewToolBar,
         .name = "ActionViewToolBar",
         .handler = [](W& w) { w.setToolBarVisible(!w.ToolBar->isVisible()); },
         .text = TTextId::ShowHideToolBar,
         .checkable = true,
         .keptDuringRun = true,
         .places = kInViewMenu},
        {.action = &A::ActionViewStatusBar,
         .name = "ActionViewStatusBar",
         .handler = [](W& w) { w.setStatusBarVisible(!w.StatusLine->isVisible()); },
         .text = TTextId::ShowHideStatusBar,
         .checkable = true,
         .keptDuringRun = true,
         .places = kInViewMenu},
        {.action = &A::ActionViewWinMsg,
         .name = "ActionViewWinMsg",
         .handler = [](W& w) { w.showMessagesPane(w.PanelMsg->isHidden()); },
         .text = TTextId::ShowHideWindowMessages,
         .icon = "messages",
         .toolTip = TTextId::ShowHideWindowMessages,
         .checkable = true,
         .keptDuringRun = true,
         .places = kInViewMenu | kInToolBar,
         .groupStarts = kInToolBar},

        {.action = &A::ActionCalcAll,
         .name = "ActionCalcAll",
         .handler = [](W& w) { w.calculateAll(); },
         .text = TTextId::CalculateAll,
         .shortcut = QKeySequence(Qt::Key_F5),
         .icon = "calculate",
         .toolTip = TTextId::CalculateAll,
         .places = kInCalculationMenu | kInEditorMenu | kInToolBar,
         .groupStarts = kInEditorMenu},
        {.action = &A::ActionCalcChoose,
         .name = "ActionCalcChoose",
         .handler = [](W& w) { w.calculateChoose(); },
         .text = TTextId::CalculateChoose,
         .shortcut = QKeySequence(Qt::Key_F4),
         .places = kInCalculationMenu},

        {.action = &A::ActionOptionsEditor,
         .name = "ActionOptionsEditor",
         .handler = [](W& w) { w.showOptions(TOptionsPage::Editor); },
         .text = TTextId::OptionsEditor,
         .places = kInOptionsMenu,
         .source = "TFormMain::showOptions"},
        {.action = &A::ActionOptionsWinMsg,
         .name = "ActionOptionsWinMsg",
         .handler = [](W& w) { w.showOptions(TOptionsPage::WinMsg); },
         .text = TTextId::OptionsWindowMessages,
         .places = kInOptionsMenu,
         .source = "TFormMain::showOptions"},
        {.action = &A::ActionOptionsViewResults,
         .name = "ActionOptionsViewResults",
         .handler = [](W& w) { w.showOptions(TOptionsPage::ViewResults); },
         .text = TTextId::OptionsFormatResults,
         .places = kInOptionsMenu,
         .source = "TFormMain::showOptions"},
        {.action = &A::ActionOptionsFormViewResults,
         .name = "ActionOptionsFormViewResults",
         .handler = [](W& w) { w.showOptions(TOptionsPage::FormViewResults); },
         .text = TTextId::OptionsWindowResults,
         .places = kInOptionsMenu,
         .source = "TFormMain::showOptions"},
        {.action = &A::ActionOptionsMain,
         .name = "ActionOptionsMain",
         .handler = [](W& w) { w.showOptions(TOptionsPage::Main); },
         .text = TTextId::SystemOptions,
         .places = kInOptionsMenu,
         .groupStarts = kInOptionsMenu,
         .source = "TFormMain::showOptions"},
        {.action = &A::ActionOptionsTesting,
         .name = "ActionOptionsTesting",
         .handler = [](W& w) { w.runTesting(); },
         .text = TTextId::Testing,
         .places = kInOptionsMenu},

        {.action = &A::ActionWinMsgCopy,
         .name = "ActionWinMsgCopy",
         .handler = [](W& w) { w.MemoMsg->copy(); },
         .text = TTextId::MessagesCopy,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_C),
         .scope = TShortcutScope::MessagesPane,
         .icon = "copy",
         .keptDuringRun = true,
         .places = kInPaneMenu},
        {.action = &A::ActionWinMsgSelectAll,
         .name = "ActionWinMsgSelectAll",
         .handler = [](W& w) { w.MemoMsg->selectAll(); },
         .text = TTextId::MessagesSelectAll,
         .keptDuringRun = true,
         .places = kInPaneMenu},
        {.action = &A::ActionWinMsgClear,
         .name = "ActionWinMsgClear",
         .handler = [](W& w) { w.clearMessages(); },
         .text = TTextId::ClearWindowMessages,
         .icon = "clear",
         .toolTip = TTextId::ClearWindowMessages,
         .places = kInEditMenu | kInPaneMenu | kInPaneToolBar,
         .groupStarts = kInEditMenu | kInPaneMenu},
        {.action = &A::ActionWinMsgResize,
         .name = "ActionWinMsgResize",
         .handler = [](W& w) { w.restoreMessagesHeight(); },
         .text = TTextId::DecreaseWindowSize,
         .icon = "restore-height",
         .toolTip = TTextId::DecreaseWindowSize,
         .keptDuringRun = true,
         .places = kInPaneMenu | kInPaneToolBar},
        {.action = &A::ActionWinMsgHide,
         .name = "ActionWinMsgHide",
         .handler = [](W& w) { w.showMessagesPane(false); },
         .text = TTextId::HideWindowMessages,
         .icon = "hide-pane",
         .toolTip = TTextId::HideWindowMessages,
         .keptDuringRun = true,
         .places = kInPaneMenu | kInPaneToolBar},

        {.action = &A::ActionHelpContent,
         .name = "ActionHelpContent",
         .handler = [](W& w) { w.showHelpContents(); },
         .text = TTextId::HelpContents,
         .icon = "help",
         .toolTip = TTextId::HelpContents,
         .places = kInHelpMenu | kInToolBar,
         .groupStarts = kInToolBar},
        {.action = &A::ActionHelpAbout,
         .name = "ActionHelpAbout",
         .handler = [](W& w) { w.showAbout(); },
         .text = TTextId::About,
         .places = kInHelpMenu,
         .groupStarts = kInHelpMenu},
    };
    return rows;
}

void TFormMain::buildActions()
{
    for (const TMainActionRow& row : actionRows()) {
        const auto handler = [this, run = row.handler] { run(*this); };
        QAction* action = row.source != nullptr
                              ? addGuardedAction(this, row.name, row.shortcut, row.source, handler)
                              : addGuardedAction(this, row.name, row.shortcut, handler);
        QWidget* scope = row.scope == TShortcutScope::Editor         ? MemoCode
                         : row.scope == TShortcutScope::MessagesPane ? MemoMsg
                                                                     : nullptr;
        if (scope != nullptr) {
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            removeAction(action);
            scope->addAction(action);
        }
        if (row.icon != nullptr)
            action->setIcon(appIcon(QLatin1String(row.icon)));
        // A style draws the check mark only where no icon stands: a toggle's menu entry
        // shows its state, not its picture.
        if (row.checkable) {
            action->setCheckable(true);
            action->setIconVisibleInMenu(false);
        }
        m_Actions.*row.action = action;
    }
}

namespace {

struct TMenuPlace
{
    TActionPlace place;
    const char* name;
    TTextId title;
};

const TMenuPlace kMenuBarMenus[] = {
    {kInFileMenu, "MenuItemFile", TTextId::MenuFile},
    {kInEditMenu, "MenuItemEdit", TTextId::MenuEdit},
    {kInViewMenu, "MenuItemView", TTextId::MenuView},
    {kInCalculationMenu, "MenuItemCalculation", TTextId::MenuCalculation},
    {kInOptionsMenu, "MenuItemOptions", TTextId::MenuOptions},
    {kInHelpMenu, "MenuItemHelp", TTextId::MenuHelp},
};

// The table's actions that stand in one place, in the table's order.
template <class TContainer>
void addPlacedActions(TContainer* container, TActionPlace place,
                      std::span<const TMainActionRow> rows, const TMainActions& actions)
{
    for (const TMainActionRow& row : rows) {
        if ((row.places & place) == 0)
            continue;
        if ((row.groupStarts & place) != 0 && !container->actions().isEmpty())
            container->addSeparator();
        container->addAction(actions.*row.action);
    }
}

} // namespace

void TFormMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    QMenu* file = nullptr;
    for (const TMenuPlace& place : kMenuBarMenus) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QLatin1String(place.name));
        addPlacedActions(menu, place.place, actionRows(), m_Actions);
        if (place.place == kInFileMenu)
            file = menu;
    }

    const QList<QAction*> fileItems = file->actions();
    MenuItemFileRecent = new QMenu(file);
    MenuItemFileRecent->setObjectName(QStringLiteral("MenuItemFileRecent"));
    file->insertMenu(fileItems.value(fileItems.indexOf(m_Actions.ActionFileRecentClear) + 1),
                     MenuItemFileRecent);
    connect(file, &QMenu::aboutToShow, this, [this] {
        CHandlerGuard::run("TFormMain::MenuItemFileClick", [this] {
            // A run keeps the list as it is; its end gives the command back.
            m_Actions.ActionFileRecentClear->setEnabled(
                !isCalculating() && m_OptionsManager.getRecentFilesCount() > 0);
            rebuildRecentMenu();
        });
    });
    connect(MenuItemFileRecent, &QMenu::aboutToShow, this, [this] {
        CHandlerGuard::run("TFormMain::MenuItemFileRecentClick", [this] { rebuildRecentMenu(); });
    });
    // Testing from the menu stays hidden: it runs the stored self-test files, a developer's tool.
    m_Actions.ActionOptionsTesting->setVisible(false);

    auto* popupCode = new QMenu(this);
    popupCode->setObjectName(QStringLiteral("PopupMenuCode"));
    addPlacedActions(popupCode, kInEditorMenu, actionRows(), m_Actions);
    connect(MemoCode, &QWidget::customContextMenuRequested, this,
            [this, popupCode](const QPoint& at) {
                CHandlerGuard::run("TFormMain::PopupMenuCodePopup", [&] {
                    popupCode->popup(MemoCode->viewport()->mapToGlobal(at));
                });
            });

    auto* popupMsg = new QMenu(this);
    popupMsg->setObjectName(QStringLiteral("PopupMenuWinMsg"));
    addPlacedActions(popupMsg, kInPaneMenu, actionRows(), m_Actions);
    connect(MemoMsg, &QWidget::customContextMenuRequested, this,
            [this, popupMsg](const QPoint& at) {
                CHandlerGuard::run("TFormMain::PopupMenuWinMsgPopup",
                                   [&] { popupMsg->popup(MemoMsg->viewport()->mapToGlobal(at)); });
            });

    PopupMenuTrayIcon = new QMenu(this);
    PopupMenuTrayIcon->setObjectName(QStringLiteral("PopupMenuTrayIcon"));
    addPlacedActions(PopupMenuTrayIcon, kInTrayMenu, actionRows(), m_Actions);
}

void TFormMain::buildToolBars()
{
    ToolBar = addToolBar(QString());
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    addPlacedActions(ToolBar, kInToolBar, actionRows(), m_Actions);
    addPlacedActions(ToolBarMsg, kInPaneToolBar, actionRows(), m_Actions);
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
    for (const TMenuPlace& place : kMenuBarMenus)
        findChild<QMenu*>(QLatin1String(place.name))->setTitle(getNameResource(place.title));
    MenuItemFileRecent->setTitle(getNameResource(TTextId::RecentFiles));
    for (const TMainActionRow& row : actionRows()) {
        QAction* action = m_Actions.*row.action;
        action->setText(getNameResource(row.text));
        if (row.toolTip.has_value())
            action->setToolTip(getNameResource(*row.toolTip));
    }
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
    CHandlerGuard::runQuiet("TFormMain::FormClose", QString(),
                            [this] { setResultsFormVisible(false); });
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
        m_FormGotoLine.data(),       m_FormFindText.data(),    m_FormReplaceText.data(),
        m_FormDoReplace.data(),      m_FormViewResults.data(), m_FormOptions.data(),
        m_FormSelectVariable.data(),
    };
    for (const QPointer<TFormSecondary>& dialog : dialogs)
        CHandlerGuard::runQuiet("TFormMain::FormClose", QString(),
                                [&dialog] { delete dialog.data(); });
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
    const QRect place = windowPlace().normalPlace();
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

    {
        // Each file is replaced once, with all of it: a kill during the exit cannot leave the
        // recent files erased and not yet written again.
        const CUserOptionsManager::CSaveTogether together(m_OptionsManager);
        m_OptionsManager.setUseRegister(m_OptionsFormMain.UseRegister);
        m_OptionsManager.addRecentFile(m_FileName);
        m_OptionsManager.saveFormMain(m_OptionsFormMain);
        m_OptionsManager.saveEditor(m_OptionsEditor);
        m_OptionsManager.saveWinMsg(m_OptionsWinMsg);
        m_OptionsManager.saveViewResult(m_OptionsViewResult);
        m_OptionsManager.saveFormViewResult(m_OptionsFormViewResults);
        m_OptionsManager.saveTesting(m_OptionsTesting);
        m_OptionsManager.saveRecentFiles();
    }
    if (m_OptionsFormMain.UseFileExtension)
        registerFileExtension();
    else
        unregisterFileExtension();

    // Options not stored are lost when the program ends: the user learns where and why.
    const std::vector<TStoreFailure> failures = m_OptionsManager.takeSaveFailures();
    if (failures.empty())
        return;
    QString message = getNameResource(TTextId::OptionsNotSaved);
    for (const TStoreFailure& failure : failures)
        message += QLatin1Char('\n') + getNameResourceFileWriteError(failure.fileName)
                   + QLatin1Char('\n') + failure.reason;
    writeLog(CFileLog::TYPE_ERROR, QStringLiteral("TFormMain::saveOptions"), message);
    CDialogSeams::current().showMessage(this, message, blankCaption(TTextId::Error),
                                        TMessageIcon::Warning, TMessageButtons::Ok,
                                        TMessageAnswer::Ok);
}

void TFormMain::setOptionsAndSave(const TOptionsFormMain& formMain, const TOptionsEditor& editor,
                                  const TOptionsWinMsg& winMsg,
                                  const TOptionsViewResult& viewResult,
                                  const TOptionsFormViewResults& formViewResults)
{
    m_OptionsFormMain = formMain;
    m_OptionsEditor = editor;
    m_OptionsWinMsg = winMsg;
    m_OptionsViewResult = viewResult;
    m_OptionsFormViewResults = formViewResults;
    saveOptions();
}

void TFormMain::showOptions(TOptionsPage page)
{
    if (m_FormOptions == nullptr)
        m_FormOptions = new TFormOptions(this);
    if (m_FormViewResults != nullptr)
        m_FormViewResults->GetOptions(m_OptionsFormViewResults);
    m_FormOptions->SelectPage(page);
    m_FormOptions->SetOptions(m_OptionsFormMain, m_OptionsEditor, m_OptionsWinMsg,
                              m_OptionsViewResult, m_OptionsFormViewResults);
    if (m_FormOptions->exec() != QDialog::Accepted)
        return;
    m_FormOptions->GetOptions(m_OptionsFormMain, m_OptionsEditor, m_OptionsWinMsg,
                              m_OptionsViewResult, m_OptionsFormViewResults);
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
            m_FormViewResults->setWindowFlag(Qt::WindowStaysOnTopHint,
                                             m_OptionsFormViewResults.StayOnTop);
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
    windowPlace().place(QRect(m_OptionsFormMain.Left, m_OptionsFormMain.Top,
                              m_OptionsFormMain.Width, m_OptionsFormMain.Height));
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
    const QString name = shownFileName(trimBlanks(m_FileName));
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
                writeLog(CFileLog::TYPE_INFORMATION,
                         QLatin1String("[Testing] Can not open the file: ")
                             + m_OptionsTesting.TestingFileIn + QLatin1Char('.'));
                input.clear();
            }
        }
        if (m_TestOutputFile.isEmpty() || !resolveOutputFileName(m_TestOutputFile, report)) {
            report.clear();
            if (!m_OptionsTesting.TestingFileOut.isEmpty()
                && !resolveOutputFileName(m_OptionsTesting.TestingFileOut, report))
                report.clear();
        }
        // A name that could not be settled is tried as it was given (else as stored), so that
        // the user who asked for the test learns why it did not run.
        if (input.isEmpty())
            input = m_CommandLineFile.isEmpty() ? m_OptionsTesting.TestingFileIn
                                                : m_CommandLineFile;
        if (report.isEmpty())
            report = m_TestOutputFile.isEmpty() ? m_OptionsTesting.TestingFileOut
                                                : m_TestOutputFile;
        m_CommandLineFile.clear();
        m_TestOutputFile.clear();
        runWhenShown([this, input, report] { performTesting(input, report); });
        return;
    }
    if (!m_CommandLineFile.isEmpty() && openFile(m_CommandLineFile) && m_CalcOnStart) {
        m_CalcOnStart = false;
        runWhenShown([this] { calculateAll(); });
    }
}
