#include "app/Documentencoding.h"

#include "app/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

// The length of the UTF-8 sequence that starts at i, or 0 when the bytes there are no valid
// sequence (overlong forms, surrogates and values beyond U+10FFFF included).
int sequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80; // bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The length a sequence that starts with the lead byte claims, or 0 for no lead byte.
int claimedLength(unsigned char lead)
{
    if (lead >= 0xC0 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    return 0;
}

// The bytes without a UTF-8 sequence begun in their last three bytes and not ended.
QByteArrayView withoutCutSequence(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        if (byte < 0x80 || byte >= 0xC0)
            return claimedLength(byte) > back ? bytes.first(bytes.size() - back) : bytes;
    }
    return bytes;
}

bool isValidUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// The editor turns these characters into line breaks.
bool holdsLineSeparators(const QString& text)
{
    return text.contains(QChar::LineSeparator) || text.contains(QChar::ParagraphSeparator);
}

// The text after the mark. A mark that follows it is text, so that saving writes it back; UTF-16
// units are read as they are, lone surrogates included, so that saving writes them back too.
TDecodedDocument decodeUnicode(QByteArrayView bytes, TDocumentEncoding encoding)
{
    QStringDecoder decoder(*unicodeConverter(encoding), QStringConverter::Flag::ConvertInitialBom);
    TDecodedDocument document{withLineFeeds(decoder.decode(bytes)), encoding};
    document.changedBySaving = holdsLineSeparators(document.text);
    return document;
}

QByteArray toUtf16(const QString& text, TDocumentEncoding encoding)
{
    QStringEncoder encoder(*unicodeConverter(encoding));
    return encoder.encode(text);
}

TDecodedDocument decodeCp1251(const QByteArray& bytes)
{
    TDecodedDocument document{withLineFeeds(fromCp1251(bytes)), TDocumentEncoding::Cp1251};
    document.changedBySaving = bytes.contains('\0');
    return document;
}

QString withCarriageReturns(const QString& text)
{
    return withLineFeeds(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

std::optional<QStringConverter::Encoding> unicodeConverter(TDocumentEncoding encoding)
{
    switch (encoding) {
    case TDocumentEncoding::Utf8:
    case TDocumentEncoding::Utf8WithByteOrderMark:
        return QStringConverter::Utf8;
    case TDocumentEncoding::Utf16LeWithByteOrderMark:
        return QStringConverter::Utf16LE;
    case TDocumentEncoding::Utf16BeWithByteOrderMark:
        return QStringConverter::Utf16BE;
    case TDocumentEncoding::Cp1251:
        break;
    }
    return std::nullopt;
}

TDocumentEncoding documentEncoding(const QByteArray& bytes, bool complete)
{
    if (bytes.startsWith(kUtf16LeMark))
        return TDocumentEncoding::Utf16LeWithByteOrderMark;
    if (bytes.startsWith(kUtf16BeMark))
        return TDocumentEncoding::Utf16BeWithByteOrderMark;
    const QByteArrayView whole = complete ? QByteArrayView(bytes) : withoutCutSequence(bytes);
    if (whole.startsWith(kByteOrderMark)) {
        // Read as UTF-8, the bytes that are not would be saved as replacement characters.
        return isValidUtf8(whole.sliced(kByteOrderMark.size()))
                   ? TDocumentEncoding::Utf8WithByteOrderMark
                   : TDocumentEncoding::Cp1251;
    }
    return isValidUtf8(whole) ? TDocumentEncoding::Utf8 : TDocumentEncoding::Cp1251;
}

TDecodedDocument decodeDocument(const QByteArray& bytes, bool complete)
{
    const TDocumentEncoding encoding = documentEncoding(bytes, complete);
    const QByteArrayView whole = complete ? QByteArrayView(bytes) : withoutCutSequence(bytes);
    switch (encoding) {
    case TDocumentEncoding::Utf16LeWithByteOrderMark:
    case TDocumentEncoding::Utf16BeWithByteOrderMark: {
        TDecodedDocument document = decodeUnicode(QByteArrayView(bytes).sliced(kUtf16LeMark.size()),
                                                  encoding);
        // Only an odd byte at the end has no place among the units.
        document.changedBySaving = document.changedBySaving || (complete && bytes.size() % 2 != 0);
        return document;
    }
    case TDocumentEncoding::Utf8WithByteOrderMark:
        return decodeUnicode(whole.sliced(kByteOrderMark.size()), encoding);
    case TDocumentEncoding::Utf8:
        return decodeUnicode(whole, encoding);
    case TDocumentEncoding::Cp1251:
        break;
    }
    return decodeCp1251(bytes);
}

TEncodedDocument encodeDocument(const QString& text, std::optional<TDocumentEncoding> readIn)
{
    const QString lines = withCarriageReturns(text);
    TEncodedDocument document;
    document.encoding = readIn.value_or(TDocumentEncoding::Utf8);
    if (document.encoding == TDocumentEncoding::Cp1251 && !fitsCp1251(lines)) {
        document.encoding = TDocumentEncoding::Utf8;
        document.leftCp1251 = true;
    }
    switch (document.encoding) {
    case TDocumentEncoding::Cp1251:
        document.bytes = toCp1251(lines);
        break;
    case TDocumentEncoding::Utf8:
        document.bytes = lines.toUtf8();
        break;
    case TDocumentEncoding::Utf8WithByteOrderMark:
        document.bytes = kByteOrderMark + lines.toUtf8();
        break;
    case TDocumentEncoding::Utf16LeWithByteOrderMark:
        document.bytes = kUtf16LeMark + toUtf16(lines, document.encoding);
        break;
    case TDocumentEncoding::Utf16BeWithByteOrderMark:
        document.bytes = kUtf16BeMark + toUtf16(lines, document.encoding);
        break;
    }
    return document;
}
