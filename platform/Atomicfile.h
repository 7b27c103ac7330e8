#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// Replaces the file with the content in one step: the content goes to a temporary file beside
// it, which takes the file's place only when completely written, with the file's mode, owner
// and group. On failure the old file is left as it was and false is answered. A file the
// running user may not write is refused, whatever its folder allows. Where the file cannot be
// replaced without losing something (no temporary file can be made beside it, its owner cannot
// be kept, or it has other names), it is written in place instead: a file that can be written
// at all is never refused. In place, the room for the whole content is taken first, so a full
// disk leaves the old file as it was. Only plain files are written. A name that is a link is
// written through, and stays a link: the file it leads to is made when missing.
bool writeFileAtomically(const QString& fileName, const QByteArray& content);
// As above; on failure the system's reason is written into reason.
bool writeFileAtomically(const QString& fileName, const QByteArray& content, QString& reason);

struct TFileIdentity;

enum class TReplaced { Done, Changed, Failed };

// As writeFileAtomically, but only over the file that `read` tells (as readPlainFile gave it;
// all zero: there was none). Where another file stands at the name now, or the file was
// written since, nothing is written and Changed is answered: the file is looked at once more
// right before it is replaced, so another program's save since the reading is not lost.
TReplaced replaceFileRead(const QString& fileName, const TFileIdentity& read,
                          const QByteArray& content, QString& reason);

// As writeFileAtomically, but over the file at `path` (its links followed) that `existing` tells
// (as fstat gave it): for a caller that holds that file open and locked, so that the file it
// looked at is the one replaced.
bool replaceOpenFile(const QByteArray& path, const struct stat& existing, const QByteArray& content,
                     QString& reason);
