#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the content in one step: the content goes to a temporary file beside
// it, which takes the file's place only when completely written. On failure the old file is
// left as it was and false is answered. Where no temporary file can be made beside it (a
// writable file in a folder that is not), the file is written in place instead: a file that
// can be written at all is never refused. In place, the room for the whole content is taken
// first, so a full disk leaves the old file as it was. Only plain files are written.
bool writeFileAtomically(const QString& fileName, const QByteArray& content);
// As above; on failure the system's reason is written into reason.
bool writeFileAtomically(const QString& fileName, const QByteArray& content, QString& reason);

// Adds the content at the end of a plain file, creating it when missing. The room is taken
// first: a failure leaves the file as it was, with the system's reason.
bool appendToFile(const QString& fileName, const QByteArray& content, QString& reason);
