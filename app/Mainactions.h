#pragma once

#include "app/Textids.h"

#include <QKeySequence>

#include <optional>

class QAction;
class TFormMain;

// The main window's actions, by name: code that names a missing one does not compile. Each
// table row's object name spells its member's name, so findAction finds it by the same word.
struct TMainActions
{
    QAction* ActionShowProgram = nullptr;
    QAction* MenuItemTrayAbout = nullptr;
    QAction* MenuItemTrayExit = nullptr;
    QAction* ActionFileNew = nullptr;
    QAction* ActionFileOpen = nullptr;
    QAction* ActionFileSave = nullptr;
    QAction* ActionFileSaveAs = nullptr;
    QAction* ActionFileInfo = nullptr;
    QAction* ActionFileRecentClear = nullptr;
    QAction* ActionFileExit = nullptr;
    QAction* ActionEditUndo = nullptr;
    QAction* ActionEditCat = nullptr;
    QAction* ActionEditCopy = nullptr;
    QAction* ActionEditPaste = nullptr;
    QAction* ActionEditDel = nullptr;
    QAction* ActionEditSelectAll = nullptr;
    QAction* ActionEditGoto = nullptr;
    QAction* ActionEditSearch = nullptr;
    QAction* ActionEditSearchNext = nullptr;
    QAction* ActionEditReplace = nullptr;
    QAction* ActionViewToolBar = nullptr;
    QAction* ActionViewStatusBar = nullptr;
    QAction* ActionViewWinMsg = nullptr;
    QAction* ActionCalcAll = nullptr;
    QAction* ActionCalcChoose = nullptr;
    QAction* ActionOptionsEditor = nullptr;
    QAction* ActionOptionsWinMsg = nullptr;
    QAction* ActionOptionsViewResults = nullptr;
    QAction* ActionOptionsFormViewResults = nullptr;
    QAction* ActionOptionsMain = nullptr;
    QAction* ActionOptionsTesting = nullptr;
    QAction* ActionWinMsgCopy = nullptr;
    QAction* ActionWinMsgSelectAll = nullptr;
    QAction* ActionWinMsgClear = nullptr;
    QAction* ActionWinMsgResize = nullptr;
    QAction* ActionWinMsgHide = nullptr;
    QAction* ActionHelpContent = nullptr;
    QAction* ActionHelpAbout = nullptr;
};

// Where a short cut is live. The editor's copy and the pane's copy share a key: each is
// scoped to its own widget, since two window-wide actions on one key cancel each other.
enum class TShortcutScope { Window, Editor, MessagesPane };

// The menus and tool bars an action stands in, as bits.
enum TActionPlace : unsigned {
    kInFileMenu = 1U << 0U,
    kInEditMenu = 1U << 1U,
    kInViewMenu = 1U << 2U,
    kInCalculationMenu = 1U << 3U,
    kInOptionsMenu = 1U << 4U,
    kInHelpMenu = 1U << 5U,
    kInEditorMenu = 1U << 6U,
    kInPaneMenu = 1U << 7U,
    kInTrayMenu = 1U << 8U,
    kInToolBar = 1U << 9U,
    kInPaneToolBar = 1U << 10U,
};

// One action of the main window. Its menu entries and buttons follow the table's order; a
// separator goes before it in each place named in groupStarts.
struct TMainActionRow
{
    QAction* TMainActions::*action;
    const char* name;
    void (*handler)(TFormMain& window);
    TTextId text;
    QKeySequence shortcut = {};
    TShortcutScope scope = TShortcutScope::Window;
    const char* icon = nullptr;
    // The hint of its tool button; without one the button shows the text.
    std::optional<TTextId> toolTip = std::nullopt;
    bool checkable = false;
    // Stays at hand while a calculation runs: it neither changes the text nor starts a run
    // (Exit among them, since closing stops the run).
    bool keptDuringRun = false;
    unsigned places = 0;
    unsigned groupStarts = 0;
    // The source a failure is logged under, where it is not "TFormMain::<name>Execute".
    const char* source = nullptr;
};
