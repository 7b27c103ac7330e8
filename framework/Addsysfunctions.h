#pragma once

#include <QDateTime>
#include <QFontDatabase>
#include <QString>

class CArrayShortString;

// Fills the list with the font families installed for the writing system, only the smoothly
// scalable (outline) ones when trueTypeOnly is set. The list is cleared first.
bool GetFontNames(QFontDatabase::WritingSystem writingSystem, bool trueTypeOnly,
                  CArrayShortString& list);

// The size in bytes of a file that can be opened for reading; false, with size untouched,
// when it cannot or when the name is no plain file (a folder, a device, a named pipe).
bool getFileSize(const QString& fileName, qint64& size);

// Size and the times of creation, last change and last access, in local time. Where the file
// system keeps no creation time, creation is an invalid QDateTime: no other time may pass for it.
// False when the file cannot be opened for reading or its change and access times cannot be read.
bool getFileInfo(const QString& fileName, qint64& size, QDateTime& creation, QDateTime& lastWrite,
                 QDateTime& lastAccess);
