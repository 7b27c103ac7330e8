#include "app/Codeeditor.h"

#include "app/Applimits.h"
#include "app/Textlimit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace {

// The document's paragraph and line separators are the editor's line breaks.
QString withLineFeeds(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

CCodeEditor::CCodeEditor(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

QString CCodeEditor::text() const
{
    return withLineFeeds(document()->toRawText());
}

QString CCodeEditor::textWithoutSelection() const
{
    const QTextCursor cursor = textCursor();
    QString staying = text();
    staying.remove(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    return staying;
}

void CCodeEditor::insertFromMimeData(const QMimeData* source)
{
    // Only the plain text is taken, read once. The toolkit's own insertion reads the formats
    // again, dies on data without any (a clipboard whose owner has quit) and would render a
    // text offered as markdown instead of inserting it as it is.
    if (source == nullptr || isReadOnly() || !source->hasText())
        return;
    const QString inserted = withLineFeeds(source->text());
    if (inserted.isEmpty())
        return;
    const QString fitting = fitInsertion(textWithoutSelection(), inserted);
    // One undo step of its own, as the toolkit's insertion is, not merged with the typing.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(fitting);
    cursor.endEditBlock();
    ensureCursorVisible();
    if (fitting.size() < inserted.size())
        emit insertionCut();
}

bool CCodeEditor::fitsSurely(const QString& typed) const
{
    // No character weighs more than two (a line break), so twice the document's own count
    // bounds the editor's length without copying the text: typing far from the limit costs
    // nothing.
    return 2 * (document()->characterCount() + typed.size()) <= kEditorMaxChars;
}

void CCodeEditor::keyPressEvent(QKeyEvent* event)
{
    // A tab that moves the focus comes here only when no other control takes it: it then does
    // nothing, where the toolkit would type it.
    if (tabChangesFocus() && event->key() == Qt::Key_Tab)
        return;
    const bool inserts = !event->text().isEmpty() && !isReadOnly()
                         && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
                         && event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete
                         && event->key() != Qt::Key_Escape;
    if (inserts) {
        QString typed = event->text();
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            typed = QStringLiteral("\n");
        if (!fitsSurely(typed)
            && fitInsertion(textWithoutSelection(), typed).size() < typed.size()) {
            emit insertionCut();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCodeEditor::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = withLineFeeds(event->commitString());
    if (committed.isEmpty() || isReadOnly() || fitsSurely(committed)) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The commit replaces the selection and, when the input method asks, some characters
    // around the caret: those do not stay either.
    const QTextCursor cursor = textCursor();
    QString staying = textWithoutSelection();
    const qsizetype replacedFrom =
        std::clamp<qsizetype>(cursor.selectionStart() + event->replacementStart(), 0,
                              staying.size());
    staying.remove(replacedFrom, std::max(0, event->replacementLength()));
    const QString fitting = fitInsertion(staying, committed);
    if (fitting.size() == committed.size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The composition ends with what fits; the rest of the commit is dropped.
    QInputMethodEvent cut;
    cut.setCommitString(fitting, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    emit insertionCut();
}
