#include "app/Altcombinations.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Alt typing a character or a tab is a command no short-cut answered. With Ctrl or a second
// key group the same Alt is AltGr, the keyboard's third level, which types its character.
bool isUnansweredAltCombination(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!modifiers.testFlag(Qt::AltModifier)
        || (modifiers & (Qt::ControlModifier | Qt::GroupSwitchModifier)) || event.text().isEmpty())
        return false;
    // Of the keys beyond the characters only the tab types; a platform may edit with the others.
    return event.key() < Qt::Key_Escape || event.key() == Qt::Key_Tab;
}

// A combo box and a spin box hand a key to their field by a direct call, not as an event.
bool writesOrPicksTyped(const QObject* control)
{
    return qobject_cast<const QLineEdit*>(control) != nullptr
           || qobject_cast<const QPlainTextEdit*>(control) != nullptr
           || qobject_cast<const QTextEdit*>(control) != nullptr
           || qobject_cast<const QComboBox*>(control) != nullptr
           || qobject_cast<const QAbstractSpinBox*>(control) != nullptr;
}

} // namespace

bool CAltCombinationFilter::eventFilter(QObject* watched, QEvent* event)
{
    return event->type() == QEvent::KeyPress && writesOrPicksTyped(watched)
           && isUnansweredAltCombination(*static_cast<QKeyEvent*>(event));
}
