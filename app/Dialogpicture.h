#pragma once

#include <QWidget>

// What a dialog's picture shows.
enum class TDialogPicture { Find, Replace, GotoLine };

// The picture at the left edge of the find, replace and go-to-line dialogs: a band as tall as
// the dialog with an emblem of the dialog's work at its top.
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

// Lays the dialog out as the panel "PanelLeft" with the picture "ImageLeft" at the left edge
// and the content beside it, within the style's margins.
void setPictureLayout(QWidget* dialog, TDialogPicture kind, QLayout* content);
