#pragma once

class QLayout;
class QWidget;

// A panel laid out by the layout, which then takes the style's own spacing and margins. A
// layout nested in one without spacing (beside a picture band or under a header flush to the
// window's edge) would inherit none: its labels would sit on their fields, its buttons touch.
QWidget* makeStyleSpacedPanel(QLayout* content, QWidget* parent);
