#pragma once

#include <functional>

class QObject;
class QWidget;

// A modal dialog takes keys and short cuts only once it is the active window, which the
// desktop reports some time after the dialog became modal: a test that drives it earlier
// types into nowhere, now and then.

// Acts once on the modal dialog as soon as it is the active window. The act belongs to the
// context: it is dropped with it.
void whenModalActive(QObject* context, std::function<void(QWidget*)> act);

// Whether a click on the window gets through to it: not while a modal dialog blocks it.
bool takesClick(QWidget* window);
