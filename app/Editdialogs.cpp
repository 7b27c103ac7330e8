#include "app/Editdialogs.h"

#include "framework/Stringutils.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>

namespace {

// A line edit claims its paste key before any short cut can see it. Leaving the claim
// unanswered lets the dialog's paste action take the key instead.
class CPasteKeyRelease : public QObject
{
public:
    explicit CPasteKeyRelease(QAction* action)
        : QObject(action)
        , m_Action(action)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (QKeySequence(key->keyCombination()) == m_Action->shortcut())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* m_Action;
};

} // namespace

void setEditDialogStyle(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    if (QLayout* layout = dialog->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}

void fitToCaptions(QWidget* window)
{
    if (QLayout* layout = window->layout())
        layout->activate();
}

QComboBox* createHistoryCombo(const QString& objectName, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

void addToHistoryCombo(TArrayChosenStrings& history, QComboBox* combo, const QString& text,
                       bool matchCase)
{
    if (text.isEmpty())
        return;
    history.setCaseSensitive(matchCase);
    history.add(text);
    combo->clear();
    for (int i = 0; i < history.getCount(); ++i)
        combo->addItem(history.get(i));
    if (combo->count() > 0)
        combo->setCurrentIndex(0);
}

QString insertAtCaret(const QComboBox* combo, const QString& insert)
{
    QString text = combo->currentText();
    const QLineEdit* field = combo->lineEdit();
    const qsizetype caret = field != nullptr ? field->cursorPosition() : text.size();
    text.insert(caret, insert);
    return text;
}

QString clipboardText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text() : QString();
}

QAction* addPasteAction(QDialog* dialog, const QList<QComboBox*>& combos)
{
    auto* action = new QAction(dialog);
    action->setObjectName(QStringLiteral("ActionEditPaste"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    dialog->addAction(action);
    auto* release = new CPasteKeyRelease(action);
    for (QComboBox* combo : combos)
        combo->installEventFilter(release);
    return action;
}
