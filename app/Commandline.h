#pragma once

#include "platform/Executablelocation.h"

#include <QString>
#include <QStringList>

// What the command line asks the main window to do once it is first shown.
struct TStartRequests
{
    // The document to open, or in test mode the self-test input; empty when none was given.
    QString commandLineFile;
    // In test mode the self-test report; empty when none was given.
    QString testOutputFile;
    bool calcOnStart = false;
    bool testMode = false;

    // Both as keepTrimmedName.
    void setCommandLineFile(const QString& name);
    void setTestOutputFile(const QString& name);
};

// The member takes the name trimmed of codes below 33 at both ends; a name that trims to
// nothing leaves the member as it was.
void keepTrimmedName(QString& member, const QString& name);

// The process arguments after the program path, joined by single blanks.
QString commandLineOf(const QStringList& arguments);

// The requests of a command line (without the program path):
//   "-calc" blank name   open the document and calculate it;
//   "-test" blank input [blank report]   the self-test, the input ending at its first blank;
//   "-test"   the self-test on the stored files;
//   anything else   the whole line is one document name, blanks and quotation marks kept.
// Switches compare case-sensitively and need a blank (not a tab) after them.
TStartRequests parseCommandLine(const QString& line);

// Finds an existing file: the trimmed name against the current folder (answered as an
// absolute path), else the name in the executable's folder. fullName always receives the
// last candidate tried, also when the answer is false.
bool resolveInputFileName(const QString& name, QString& fullName,
                          const QString& executableFolder = CExecutableLocation::folder());

// Settles where a report may be written: an existing file as resolveInputFileName finds it;
// else the name as given when its folder exists; else its file part in the executable's
// folder. False only for a name without a file part.
bool resolveOutputFileName(const QString& name, QString& fullName,
                           const QString& executableFolder = CExecutableLocation::folder());
