#pragma once

#include <QPlainTextEdit>

// The calculation editor: it holds at most kEditorMaxChars characters. What is pasted, dropped,
// typed or committed by an input method beyond the limit is cut from the insertion itself, never
// from the text the user already had; insertionCut() then tells the window to say so.
class CCodeEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CCodeEditor(QWidget* parent = nullptr);

    // The editor's text as the program works with it: lines broken by LF, nothing changed
    // (a no-break space stays one).
    QString text() const;

signals:
    void insertionCut();

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString textWithoutSelection() const;
    bool fitsSurely(const QString& typed) const;
};
