#include "app/Documentencoding.h"

#include "app/Cp1251.h"

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The length of the UTF-8 sequence that starts at i, or 0 when the bytes there are no valid
// sequence (overlong forms, surrogates and values beyond U+10FFFF included).
int sequenceLength(const QByteArray& bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;   // bounds of the second byte
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

bool isMultiByteUtf8(const QByteArray& bytes)
{
    bool multiByte = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString withCarriageReturns(const QString& text)
{
    return withLineFeeds(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

TDecodedDocument decodeDocument(const QByteArray& bytes)
{
    if (bytes.startsWith(kByteOrderMark)) {
        return {withLineFeeds(QString::fromUtf8(bytes.mid(kByteOrderMark.size()))),
                TDocumentEncoding::Utf8WithByteOrderMark};
    }
    if (isMultiByteUtf8(bytes))
        return {withLineFeeds(QString::fromUtf8(bytes)), TDocumentEncoding::Utf8};
    return {withLineFeeds(fromCp1251(bytes)), TDocumentEncoding::Cp1251};
}

TEncodedDocument encodeDocument(const QString& text, std::optional<TDocumentEncoding> readIn)
{
    const QString lines = withCarriageReturns(text);
    TEncodedDocument document;
    document.encoding = readIn.value_or(TDocumentEncoding::Cp1251);
    if (document.encoding == TDocumentEncoding::Cp1251 && !fitsCp1251(lines)) {
        document.encoding = TDocumentEncoding::Utf8;
        document.leftCp1251 = readIn.has_value();
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
    }
    return document;
}
