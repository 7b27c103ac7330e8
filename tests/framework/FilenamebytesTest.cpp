#include "platform/Filenamebytes.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameBytes, EveryNameKeepsItsBytes)
{
    // clang-format off
    const std::tuple<QByteArray, const char16_t*, bool> cases[] = {
        {"plain.txt", u"plain.txt", false},
        {"\xd0\x9c\xd0\xbe.txt", u"\u041C\u043E.txt", false},
        {"\xf0\x90\x82\x80", u"\U00010080", false},    // text: its low half is no byte
        {"c\xff\xfe" "d.txt", u"c\uFFFD\uFFFDd.txt", true}, // another code page
        {"\xc0\xaf", u"\uFFFD\uFFFD", true},            // an overlong '/'
        {"\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD", true},  // a surrogate written as UTF-8
        {"a\xd0", u"a\uFFFD", true},                    // a sequence cut short
    };
    // clang-format on
    for (const auto& [bytes, shown, foreign] : cases) {
        const QString name = fileNameOfBytes(bytes);
        EXPECT_EQ(bytesOfFileName(name), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(holdsForeignBytes(name), foreign) << bytes.toHex().toStdString();
        EXPECT_EQ(shownFileName(name), QString::fromUtf16(shown)) << bytes.toHex().toStdString();
    }
}

} // namespace
