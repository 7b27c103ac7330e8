#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

// The program reads and writes plain files only. A named pipe would block the window in open()
// or read() until some other process wrote to it, and a device such as /dev/zero never ends.
// Names are looked at before they are opened (links followed), and the open itself does not
// wait, so a pipe swapped in between is refused as well. A name may hold bytes that are no
// text (platform/Filenamebytes.h).

enum class TPlainOpen {
    Opened,
    Missing,  // no file of that name (reading), or its folder is missing (writing)
    NotPlain, // a folder, pipe, device or socket
    Failed,   // the system refused; the reason says why
};

// True when the name leads to a plain file.
bool isPlainFile(const QString& fileName);

// Opens the file into `file` (which must not be open): ReadOnly reads it; WriteOnly|Append
// appends to it and creates it when missing; ReadWrite reads and writes it, creating it when
// missing. On anything but Opened, `reason` receives the system's explanation.
TPlainOpen openPlainFile(QFile& file, const QString& fileName, QIODevice::OpenMode mode,
                         QString& reason);

// What tells a file from another one put at its name, or from itself written again since. No
// file at all is all zero.
struct TFileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const TFileIdentity&) const = default;
};

TFileIdentity identityOf(const struct stat& info);
// The file the name leads to now; false, with the system's reason and all zero, when none.
bool identityOf(const QString& fileName, TFileIdentity& identity, QString& reason);

// Reads at most maxBytes from the start of a plain file; `complete` tells whether that was
// all of it. The rest of the file is never read. `identity`, where given, is the file's as it
// was before the reading began, so that any change during it shows. Memory is taken for what
// the file holds, never for more than the limit; memory that cannot be had fails the reading.
TPlainOpen readPlainFile(const QString& fileName, qint64 maxBytes, QByteArray& content,
                         bool& complete, QString& reason, TFileIdentity* identity = nullptr);

// True when the name leads to a folder.
bool isFolder(const QString& name);
// True when the name leads to a file of any kind: a plain file, a folder, a pipe, a device.
bool leadsToFile(const QString& name);

// The system's text for an error number, in the system's words.
QString systemReason(int errorNumber);
