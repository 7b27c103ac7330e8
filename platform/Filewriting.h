#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The steps a file written through its descriptor takes, whether it is replaced or added to.

// Writes all of the content at the offset; the error number, or 0.
int writeAllAt(int fd, const QByteArray& content, off_t offset);

// The folder a path lies in: "." for a bare name.
QByteArray folderOf(const QByteArray& path);

// Where a file name leads: a link is written through, not replaced by a file, also when the
// file it names is not there yet (a relative link names it from the link's folder). The error
// number, or 0.
int followLinks(const QString& fileName, QByteArray& path);

// False, with the system's reason for the error number.
bool failWithReason(QString& reason, int error);
