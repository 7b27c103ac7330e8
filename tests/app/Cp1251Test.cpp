#include "app/Cp1251.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The upper half of the code page as it must read; 0x98 stands for U+0098.
const char16_t kUpperHalf[] = u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—\u0098™љ›њќћџ"
                              u"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї"
                              u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
                              u"абвгдежзийклмнопрстуфхцчшщъыьэюя";

QByteArray allBytes(int from, int to)
{
    QByteArray bytes;
    for (int b = from; b <= to; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

} // namespace

TEST(Cp1251, UpperHalfTable)
{
    const QString expected = QString::fromUtf16(kUpperHalf);
    ASSERT_EQ(expected.size(), 128);
    EXPECT_EQ(fromCp1251(allBytes(0x80, 0xFF)), expected);
    EXPECT_EQ(toCp1251(expected), allBytes(0x80, 0xFF));
    EXPECT_TRUE(fitsCp1251(expected));
}

TEST(Cp1251, LowerHalfIsAscii)
{
    const QByteArray bytes = allBytes(0x01, 0x7F);
    EXPECT_EQ(fromCp1251(bytes), QString::fromLatin1(bytes));
    EXPECT_EQ(toCp1251(QString::fromLatin1(bytes)), bytes);
}

TEST(Cp1251, EveryByteRoundTripsAndStandsForItsOwnCharacter)
{
    const QByteArray bytes = allBytes(0x00, 0xFF);
    const QString text = fromCp1251(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(std::set<QChar>(text.begin(), text.end()).size(), 256u);
    QByteArray expected = bytes;
    expected[0] = ' ';
    EXPECT_EQ(toCp1251(text), expected) << "NUL comes back as a blank, every other byte as itself";
}

TEST(Cp1251, SingleCharacters)
{
    struct TCase
    {
        const char* reason;
        char16_t character;
        char byte;
    };
    const TCase cases[] = {
        {"euro sign", 0x20AC, '\x88'},     {"unassigned byte", 0x0098, '\x98'},
        {"first capital", 0x0410, '\xC0'}, {"last small letter", 0x044F, '\xFF'},
        {"capital IO", 0x0401, '\xA8'},    {"small io", 0x0451, '\xB8'},
        {"numero sign", 0x2116, '\xB9'},   {"no-break space", 0x00A0, '\xA0'},
        {"line feed stays", u'\n', '\n'},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(toCp1251(QString(QChar(c.character))), QByteArray(1, c.byte)) << c.reason;
        EXPECT_EQ(fromCp1251(QByteArray(1, c.byte)), QString(QChar(c.character))) << c.reason;
    }
}

TEST(Cp1251, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(toCp1251(QString::fromUtf8("Цена: 5€")), QByteArray("\xD6\xE5\xED\xE0: 5\x88"));
    EXPECT_EQ(toCp1251(QString::fromUtf8("ü中b")), QByteArray("??b"));
    EXPECT_EQ(toCp1251(QString::fromUtf8("a😀b")), QByteArray("a?b")) << "one mark for a pair";
    EXPECT_EQ(toCp1251(QString(QChar(0xD800)) + QLatin1Char('x')), QByteArray("?x"))
        << "a lone surrogate";
    EXPECT_EQ(toCp1251(QString(QChar(0x0080))), QByteArray("?"))
        << "only U+0098 of the C1 controls has a byte";
    EXPECT_EQ(toCp1251(QString()), QByteArray());
}

TEST(Cp1251, NulBecomesABlank)
{
    const QString text = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    EXPECT_EQ(toCp1251(text), QByteArray("a b"));
    EXPECT_EQ(fromCp1251(QByteArray("a\0b", 3)), text);
}

TEST(Cp1251, Fits)
{
    EXPECT_TRUE(fitsCp1251(QString()));
    EXPECT_TRUE(fitsCp1251(QString::fromUtf8("Привет, мир! € № ё\n")));
    EXPECT_TRUE(fitsCp1251(QString(QChar(0))));
    EXPECT_FALSE(fitsCp1251(QString::fromUtf8("Grüße")));
    EXPECT_FALSE(fitsCp1251(QString::fromUtf8("😀")));
    EXPECT_FALSE(fitsCp1251(QString(QChar(0x202F))));
}
