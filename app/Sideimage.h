#pragma once

class QLabel;
class QWidget;

// The picture on the left of the file-information and wait windows.
QLabel* makeSideImage(QWidget& parent);
