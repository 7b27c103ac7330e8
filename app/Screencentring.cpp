#include "app/Screencentring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window)
{
    const QWidget* owner = window.parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect place = window.frameGeometry();
    place.moveCenter(screen->availableGeometry().center());
    window.move(place.topLeft());
}
