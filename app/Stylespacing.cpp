#include "app/Stylespacing.h"

#include <QLayout>
#include <QWidget>

QWidget* makeStyleSpacedPanel(QLayout* content, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setLayout(content);
    return panel;
}
