#include "platform/Filenamebytes.h"

#include <QDir>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

namespace {

constexpr char16_t kForeignByteBase = 0xDC00;
constexpr char16_t kForeignByteFirst = 0xDC80;
constexpr char16_t kForeignByteLast = 0xDCFF;
const QString kAddressStart = QStringLiteral("file://");

// The length of the UTF-8 sequence at `at`, or 0 where none begins.
int sequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto lead = static_cast<uchar>(bytes[at]);
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<uchar>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and what lies beyond Unicode are no text.
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// The byte a character at `at` stands for, or -1 for a character of text. A low surrogate
// after a high one is half of a character of text.
int foreignByteAt(const QString& name, qsizetype at)
{
    const char16_t c = name[at].unicode();
    if (c < kForeignByteFirst || c > kForeignByteLast || (at > 0 && name[at - 1].isHighSurrogate()))
        return -1;
    return c - kForeignByteBase;
}

} // namespace

QString fileNameOfBytes(const QByteArray& bytes)
{
    QString name;
    qsizetype textStart = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.mid(textStart, at - textStart));
        name += QChar(char16_t(kForeignByteBase + static_cast<uchar>(bytes[at])));
        textStart = ++at;
    }
    return name + QString::fromUtf8(bytes.mid(textStart));
}

QByteArray bytesOfFileName(const QString& name)
{
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const int byte = foreignByteAt(name, at);
        if (byte < 0)
            continue;
        bytes += name.mid(textStart, at - textStart).toUtf8();
        bytes += char(byte);
        textStart = at + 1;
    }
    return bytes + name.mid(textStart).toUtf8();
}

bool holdsForeignBytes(const QString& name)
{
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (foreignByteAt(name, at) >= 0)
            return true;
    }
    return false;
}

QString shownFileName(const QString& name)
{
    QString shown = name;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        if (foreignByteAt(name, at) >= 0)
            shown[at] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString absoluteFileName(const QString& name)
{
    // The system's own conversions would lose the bytes that are no text.
    if (!holdsForeignBytes(name))
        return QFileInfo(name).absoluteFilePath();
    if (name.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(name);
    char folder[PATH_MAX];
    if (::getcwd(folder, sizeof folder) == nullptr)
        return name;
    return QDir::cleanPath(fileNameOfBytes(folder) + QLatin1Char('/') + name);
}

QByteArray fileAddressOfName(const QString& name)
{
    return kAddressStart.toLatin1() + bytesOfFileName(name).toPercentEncoding("/");
}

QString storedFileName(const QString& name)
{
    if (holdsForeignBytes(name) || name.contains(QLatin1Char('\n'))
        || name.contains(QLatin1Char('\r')) || name.startsWith(kAddressStart))
        return QString::fromLatin1(fileAddressOfName(name));
    return name;
}

QString fileNameOfStored(const QString& stored)
{
    const QString name = stored.startsWith(kAddressStart)
                             ? fileNameOfBytes(QByteArray::fromPercentEncoding(
                                 stored.mid(kAddressStart.size()).toUtf8()))
                             : stored;
    // The system takes a name only up to a zero byte: the file it reached would be another one.
    return name.contains(QChar(u'\0')) ? QString() : name;
}
