#pragma once

#include <QString>
#include <QStringList>

// The desktop's type of a file name, as a program started now reads it from the type database
// under this process's data home. A process reads the database once and sees changes to it
// only after a while, so the test program itself is started again to ask; a start that fails
// fails the test.
struct TDesktopType
{
    QString name;
    QStringList ancestors;
};

TDesktopType desktopTypeInNewProcess(const QString& fileName);
