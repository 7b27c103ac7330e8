#pragma once

#include <QKeySequence>

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

// Actions of a window, and the menu entries and tool buttons that stand for them under names
// of their own. The action keeps the short cut, so it works whether a menu is open or the tool
// bar shown.

// An action of the window, with its short cut live in the whole window; its handler runs
// guarded as "Class::<objectName>Execute".
QAction* addGuardedAction(QWidget* window, const char* objectName, const QKeySequence& shortcut,
                          std::function<void()> handler);
// The same, guarded under the source given.
QAction* addGuardedAction(QWidget* window, const char* objectName, const QKeySequence& shortcut,
                          const char* source, std::function<void()> handler);

// The entry shows the action's text with its short cut, its icon, its enabled state and, for a
// toggle, a check mark with its state; it triggers the action.
QAction* addMenuItem(QMenu* menu, QAction* action, const char* objectName);

// The button shows the action's icon at the tool bar's icon size; it takes no focus.
QToolButton* addToolButton(QToolBar* toolBar, QAction* action, const char* objectName);
