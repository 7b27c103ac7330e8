#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

// A modal dialog takes keys and short cuts only once it is the active window, which the
// desktop reports some time after the dialog became modal: a test that drives it earlier
// types into nowhere, now and then.

// The modal dialog when it is also the active window; null otherwise.
QWidget* activeModalDialog();

// Acts once on the modal dialog as soon as it is the active window. The act belongs to the
// context: it is dropped with it.
void whenModalActive(QObject* context, std::function<void(QWidget*)> act);
