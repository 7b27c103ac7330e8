#pragma once

#include <QByteArray>
#include <QString>

// A file's name is bytes. Most names are UTF-8 text, but one made on another system may hold
// bytes of another code page. Such a byte stands in the name's text as one character of
// U+DC80..U+DCFF, which text never holds alone, so that the file can still be reached; the name
// cannot be shown or stored as text, though.

// The name of the bytes: UTF-8 decoded, each byte that is no part of it kept as above.
QString fileNameOfBytes(const QByteArray& bytes);
// The bytes a name stands for.
QByteArray bytesOfFileName(const QString& name);
// True when the name holds a byte that is no text.
bool holdsForeignBytes(const QString& name);
// The name as it can be shown: each byte that is no text as U+FFFD.
QString shownFileName(const QString& name);
// The name with the current folder before a relative one, cleaned.
QString absoluteFileName(const QString& name);

// The file's address by its name's bytes: "file://" before them, each byte but letters, digits,
// "-._~" and "/" as "%" and two hexadecimal digits.
QByteArray fileAddressOfName(const QString& name);
// The text a file name is kept as in an options file: the name itself, which earlier versions
// read the same; where the name holds a byte that is no text or a line break, or begins as an
// address does, its address, which keeps every byte.
QString storedFileName(const QString& name);
// The name a text kept so stands for: an address names the file of its bytes, any other text
// is the name itself. A name holding a zero byte names no file: empty.
QString fileNameOfStored(const QString& stored);
