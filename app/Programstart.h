#pragma once

#include "app/Commandline.h"

#include <QApplication>

class TFormMain;

// The application object of the program: an exception that escapes a handler outside the
// guard would end the event loop; it is shown and logged instead, and the program goes on.
class CGuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};

// The start-up requests of the process's command line, whose names keep the bytes that are no
// text. Read before the application object is made: it takes some arguments (such as "-style")
// for itself.
TStartRequests startRequestsOf(int argc, char** argv);

// The program's name (the title its options are stored under) and its icons.
void prepareApplication(QApplication& application);

// The main window carries the requests out when it is first shown.
void handOver(const TStartRequests& requests, TFormMain& form);
