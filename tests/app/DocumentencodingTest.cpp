#include "app/Documentencoding.h"

#include <gtest/gtest.h>

namespace {

struct TDecodeCase
{
    const char* reason;
    QByteArray bytes;
    QString text;
    TDocumentEncoding encoding;
    bool changedBySaving = false;
    bool complete = true; // false: only the beginning of a longer file
};

struct TEncodeCase
{
    const char* reason;
    QString text;
    std::optional<TDocumentEncoding> readIn;
    QByteArray bytes;
    TDocumentEncoding encoding;
    bool leftCp1251;
};

QByteArray bytesOf(const char* text, int size)
{
    return QByteArray(text, size);
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

constexpr auto kCp1251 = TDocumentEncoding::Cp1251;
constexpr auto kUtf8 = TDocumentEncoding::Utf8;
constexpr auto kUtf8Bom = TDocumentEncoding::Utf8WithByteOrderMark;
constexpr auto kUtf16Le = TDocumentEncoding::Utf16LeWithByteOrderMark;
constexpr auto kUtf16Be = TDocumentEncoding::Utf16BeWithByteOrderMark;

} // namespace

TEST(DocumentEncoding, Decoding)
{
    const TDecodeCase cases[] = {
        {"empty file", "", "", kUtf8},
        {"7-bit text is UTF-8", "a = 1;\r\n", "a = 1;\n", kUtf8},
        {"cp1251 Cyrillic", "\xCF\xF0\xE8\xE2\xE5\xF2\r\nx = 1;", utf8("Привет\nx = 1;"), kCp1251},
        {"cp1251 euro and numero", "\x88\xB9", utf8("€№"), kCp1251},
        {"valid UTF-8 with two-byte sequences", "\xD0\x9F\xD1\x80\xD0\xB8\n", utf8("При\n"), kUtf8},
        {"four-byte sequence", "x\xF0\x9F\x98\x80", utf8("x😀"), kUtf8},
        {"byte-order mark dropped",
         "\xEF\xBB\xBF"
         "a = 1;\r\n",
         "a = 1;\n", kUtf8Bom},
        {"byte-order mark alone", "\xEF\xBB\xBF", "", kUtf8Bom},
        {"byte-order mark before invalid bytes: every byte as cp1251, the mark too",
         "\xEF\xBB\xBF\xFF", utf8("п»їя"), kCp1251},
        {"a stray byte makes it cp1251", "\xD0\x9F\xFF", utf8("Рџя"), kCp1251},
        {"overlong form is not UTF-8", "\xC0\xAF", utf8("АЇ"), kCp1251},
        {"overlong three-byte form", "\xE0\x80\xAF", utf8("аЂЇ"), kCp1251},
        {"overlong four-byte form", "\xF0\x80\x80\xAF", utf8("рЂЂЇ"), kCp1251},
        {"encoded surrogate is not UTF-8", "\xED\xA0\x80", utf8("н\xC2\xA0Ђ"), kCp1251},
        {"beyond U+10FFFF is not UTF-8", "\xF4\x90\x80\x80", utf8("фђЂЂ"), kCp1251},
        {"sequence cut at the end", "ok \xE2\x82", utf8("ok в‚"), kCp1251},
        {"continuation byte alone", "\x80", utf8("Ђ"), kCp1251},
        {"every line end becomes LF", "a\r\nb\rc\nd\r\r\n", "a\nb\nc\nd\n\n", kUtf8},
        {"line ends in UTF-8", "\xD0\xB0\r\n\xD0\xB1\r", utf8("а\nб\n"), kUtf8},
        {"UTF-16 LE",
         bytesOf("\xFF\xFE"
                 "a\0\r\0\n\0\x3F\x04",
                 10),
         utf8("a\nп"), kUtf16Le},
        {"UTF-16 BE", bytesOf("\xFE\xFF\0a\0\r\x04\x3F", 8), utf8("a\nп"), kUtf16Be},
        {"UTF-16 with an odd byte at the end",
         bytesOf("\xFF\xFE"
                 "a\0b",
                 5),
         "a", kUtf16Le, true},
        {"UTF-16 cut by the read at an odd byte",
         bytesOf("\xFF\xFE"
                 "a\0b",
                 5),
         "a", kUtf16Le, false, false},
        {"NUL in cp1251 will be a blank", bytesOf("a\0\xE0", 3), utf8("a") + QChar(0) + utf8("а"),
         kCp1251, true},
        {"NUL in UTF-8 is kept", bytesOf("\0\xD0\x9F", 3), QChar(0) + utf8("П"), kUtf8},
        {"read cut inside a sequence: still UTF-8", "\xD0\x9F\xD0", utf8("П"), kUtf8, false, false},
        {"read cut inside a four-byte sequence", "\xD0\x9F\xF0\x9F\x98", utf8("П"), kUtf8, false,
         false},
        {"read cut after the mark",
         "\xEF\xBB\xBF"
         "a\xE2\x82",
         "a", kUtf8Bom, false, false},
    };
    for (const TDecodeCase& c : cases) {
        const TDecodedDocument document = decodeDocument(c.bytes, c.complete);
        EXPECT_EQ(document.text, c.text) << c.reason;
        EXPECT_EQ(document.encoding, c.encoding) << c.reason;
        EXPECT_EQ(document.changedBySaving, c.changedBySaving) << c.reason;
    }
}

TEST(DocumentEncoding, BinaryFilesDecodeAsCp1251)
{
    QByteArray bytes;
    for (int b = 0; b <= 0xFF; ++b)
        bytes.append(static_cast<char>(b));
    const TDecodedDocument document = decodeDocument(bytes);
    EXPECT_EQ(document.encoding, kCp1251);
    // CR (0x0D) stands apart from LF (0x0A), so it becomes a line end of its own.
    ASSERT_EQ(document.text.size(), 256);
    EXPECT_EQ(document.text.at(0), QChar(0));
    EXPECT_EQ(document.text.at(0x0D), QLatin1Char('\n'));
    EXPECT_EQ(document.text.at(0xFF), QChar(0x044F));

    const QByteArray nulAndUtf8 = bytesOf("\0\xD0\x9F\0", 4);
    EXPECT_EQ(decodeDocument(nulAndUtf8).text, QChar(0) + utf8("П") + QChar(0));
}

TEST(DocumentEncoding, Encoding)
{
    const TEncodeCase cases[] = {
        {"new ASCII document", "a = 1;\nb = 2;\n", std::nullopt, "a = 1;\r\nb = 2;\r\n", kUtf8,
         false},
        {"new Cyrillic document", utf8("Привет\n"), std::nullopt,
         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\n", kUtf8, false},
        {"new document the code page cannot hold", utf8("ü\n"), std::nullopt, "\xC3\xBC\r\n", kUtf8,
         false},
        {"cp1251 document that still fits", utf8("€\n"), kCp1251, "\x88\r\n", kCp1251, false},
        {"cp1251 document that no longer fits", utf8("x = 1; // ü"), kCp1251, "x = 1; // \xC3\xBC",
         kUtf8, true},
        {"UTF-8 stays UTF-8 though it would fit", "a\n", kUtf8, "a\r\n", kUtf8, false},
        {"UTF-8 with its mark", utf8("я"), kUtf8Bom, "\xEF\xBB\xBF\xD1\x8F", kUtf8Bom, false},
        {"empty document with a mark", "", kUtf8Bom, "\xEF\xBB\xBF", kUtf8Bom, false},
        {"CR LF is not doubled, a lone CR ends a line", "a\r\nb\rc", kCp1251, "a\r\nb\r\nc",
         kCp1251, false},
        {"NUL is saved as a blank", QStringLiteral("a") + QChar(0) + "b", kCp1251, "a b", kCp1251,
         false},
        {"UTF-16 LE with its mark", utf8("a\nя"), kUtf16Le,
         bytesOf("\xFF\xFE"
                 "a\0\r\0\n\0\x4F\x04",
                 10),
         kUtf16Le, false},
        {"UTF-16 BE with its mark, a surrogate pair kept", utf8("😀"), kUtf16Be,
         bytesOf("\xFE\xFF\xD8\x3D\xDE\x00", 6), kUtf16Be, false},
    };
    for (const TEncodeCase& c : cases) {
        const TEncodedDocument document = encodeDocument(c.text, c.readIn);
        EXPECT_EQ(document.bytes, c.bytes) << c.reason;
        EXPECT_EQ(document.encoding, c.encoding) << c.reason;
        EXPECT_EQ(document.leftCp1251, c.leftCp1251) << c.reason;
    }
}

TEST(DocumentEncoding, SavedFilesReadBackUnchanged)
{
    const QString text = utf8("// расчёт\nx = 2 * _PI;\n\ny = x / 4; // € №\n");
    for (const TDocumentEncoding encoding : {kCp1251, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be}) {
        const TEncodedDocument saved = encodeDocument(text, encoding);
        const TDecodedDocument read = decodeDocument(saved.bytes);
        EXPECT_EQ(read.text, text) << static_cast<int>(encoding);
        EXPECT_EQ(read.encoding, encoding) << static_cast<int>(encoding);
    }
}

TEST(DocumentEncoding, FilesReadAndSavedKeepTheirBytes)
{
    struct TCase
    {
        const char* reason;
        QByteArray bytes;
    };
    const TCase cases[] = {
        {"UTF-16 LE", bytesOf("\xFF\xFE"
                              "x\0=\0\x3F\x04\r\0\n\0",
                              12)},
        {"UTF-16 BE", bytesOf("\xFE\xFF\0x\0=\x04\x3F\0\r\0\n", 12)},
        {"UTF-16 with a lone surrogate", bytesOf("\xFF\xFE\x00\xD8"
                                                 "a\0",
                                                 6)},
        {"UTF-16 with a NUL", bytesOf("\xFF\xFE"
                                      "a\0\0\0",
                                      6)},
        {"UTF-8 mark before invalid bytes", "\xEF\xBB\xBF"
                                            "a\xFF\xC0\r\n"},
        {"UTF-8 mark before a cut sequence", "\xEF\xBB\xBF\xE2\x82"},
    };
    for (const TCase& c : cases) {
        const TDecodedDocument read = decodeDocument(c.bytes);
        EXPECT_FALSE(read.changedBySaving) << c.reason;
        EXPECT_EQ(encodeDocument(read.text, read.encoding).bytes, c.bytes) << c.reason;
    }
}
