#include "app/Cp1251.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr unsigned char kFirstCyrillicByte = 0xC0;
constexpr char16_t kFirstCyrillicLetter = 0x0410;
constexpr char16_t kLastCyrillicLetter = 0x044F;
constexpr char kUnknown = '?';

// The byte of a character, or 0 when the code page has none (NUL itself is handled apart).
unsigned char byteOf(char16_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c >= kFirstCyrillicLetter && c <= kLastCyrillicLetter)
        return static_cast<unsigned char>(kFirstCyrillicByte + (c - kFirstCyrillicLetter));
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

} // namespace

QByteArray toCp1251(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == 0) {
            bytes.append(' ');
            continue;
        }
        const unsigned char byte = byteOf(c);
        bytes.append(byte != 0 ? static_cast<char>(byte) : kUnknown);
        // The second half of a pair is part of the character already replaced.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return bytes;
}

QString fromCp1251(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        char16_t c = byte;
        if (byte >= kFirstCyrillicByte)
            c = static_cast<char16_t>(kFirstCyrillicLetter + (byte - kFirstCyrillicByte));
        else if (byte >= 0x80)
            c = kUpperHalf[byte - 0x80];
        text.append(QChar(c));
    }
    return text;
}

bool fitsCp1251(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() != 0 && byteOf(c.unicode()) == 0)
            return false;
    return true;
}
