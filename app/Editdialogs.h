#pragma once

#include <QList>
#include <QString>

class QAction;
class QComboBox;
class QDialog;
class QWidget;
class TArrayChosenStrings;

// What the find, replace and go-to-line dialogs and the replace prompt share.

// A fixed size, a title bar with the close box only, above the other windows. Call it once the
// dialog has its layout.
void setEditDialogStyle(QDialog* dialog);

// The size the layout gives for the captions just set, before the window is first drawn.
void fitToCaptions(QWidget* window);

// An editable combo box whose drop-down list is a history: Enter adds nothing to the list, and
// typing is never completed from it (a completed text would be searched instead of the typed).
QComboBox* createHistoryCombo(const QString& objectName, QWidget* parent);

// The history step: an empty text is ignored; otherwise the text goes to the front of the
// history, compared with or without letter case by the flag, and the combo box's list is
// refilled newest first with the newest text in its field.
void addToHistoryCombo(TArrayChosenStrings& history, QComboBox* combo, const QString& text,
                       bool matchCase);

// The combo box's text with the insert placed at its caret; a selection is kept, not replaced.
QString insertAtCaret(const QComboBox* combo, const QString& insert);

// The clipboard's text, or an empty text when it holds none.
QString clipboardText();

// The dialog's paste action "ActionEditPaste" with the short cut Ctrl+V. It wins over the
// combo boxes' own paste, which would insert the clipboard a second time.
QAction* addPasteAction(QDialog* dialog, const QList<QComboBox*>& combos);
