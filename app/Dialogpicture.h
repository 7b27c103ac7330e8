#pragma once

#include <QWidget>

// What a dialog's picture shows: the dialog's work, or the program's own icon.
enum class TDialogPicture { Find, Replace, GotoLine, Program };

// The picture at the left edge of the dialogs: a band as tall as the dialog with an emblem at
// its top. Every dialog with a picture shows this one, so they all look alike.
class CDialogPicture : public QWidget
{
public:
    CDialogPicture(TDialogPicture kind, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDialogPicture m_Kind;
};

// Lays the dialog out as a panel holding the picture at the left edge, named as given, and the
// content beside it, within the style's margins.
void setPictureLayout(QWidget* dialog, TDialogPicture kind, QLayout* content,
                      const QString& panelName, const QString& pictureName);
