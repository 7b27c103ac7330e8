#include "platform/Userstoretext.h"

#include "tests/support/Isolatedsettings.h"

#include <QSettings>

namespace {

class UserStoreText : public CIsolatedSettingsTest
{
protected:
    QString storePath() const { return path(QStringLiteral("store.conf")); }
};

TEST_F(UserStoreText, TextsReadAndWriteAsTheSystemsSettingsLibraryDoes)
{
    // Stores written before must read the same, and what is written must read the same there.
    const QString texts[] = {
        QStringLiteral("Courier New"),
        QString(),
        QStringLiteral(" blanks around "),
        QStringLiteral("a, b; c = d"),
        QStringLiteral("\"quoted\" back\\slash"),
        QStringLiteral("@at"),
        QStringLiteral("@@two"),
        QStringLiteral("@ByteArray(text)"),
        QStringLiteral("tab\tline\nend\r"),
        QStringLiteral("\x01"
                       "a\x1f"
                       "0"),
        QString::fromUtf8("\xd0\x9c\xd0\xbe\xd0\xbd\xd0\xbe \xf0\x9f\x98\x80"),
        QStringLiteral("/home/u/%20 [x]/file_0.txt"),
    };
    for (const QString& text : texts) {
        {
            QSettings settings(storePath(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Section/Key"), text);
        }
        CUserStoreText read;
        EXPECT_TRUE(read.parse(readFile(storePath())));
        EXPECT_EQ(read.text(QStringLiteral("Section"), QStringLiteral("Key")), text)
            << readFile(storePath()).toStdString();

        CUserStoreText written;
        written.setText(QStringLiteral("Section"), QStringLiteral("Key"), text);
        writeFile(storePath(), written.format());
        EXPECT_EQ(QSettings(storePath(), QSettings::IniFormat).value(QStringLiteral("Section/Key")),
                  text)
            << written.format().toStdString();
    }
}

TEST_F(UserStoreText, HandWrittenLines)
{
    const QByteArray content = "\xEF\xBB\xBF"
                               "top=1\n"
                               "; a comment\n"
                               "[S]\n"
                               "spaced  =  a b  \n"
                               "commented=\"x;y\" ; z\n"
                               "list=a, b\n"
                               "typed=@Variant(\\0\\0\\0\\x7f)\n"
                               "joined=a\\\r\nb\n"
                               "%41%U0439=escaped\n"
                               "not a key line\n"
                               "[S]\n"
                               "later=2\n";
    CUserStoreText store;
    EXPECT_FALSE(store.parse(content));
    // clang-format off
    const std::tuple<const char*, const char*, std::optional<QString>> cases[] = {
        {"", "top", QStringLiteral("1")},                 // before any section
        {"S", "spaced", QStringLiteral("a b")},
        {"S", "commented", QStringLiteral("x;y")},
        {"S", "list", std::nullopt},                      // a list is no text
        {"S", "typed", std::nullopt},
        {"S", "joined", QStringLiteral("ab")},
        {"S", "A\u0439", QStringLiteral("escaped")},
        {"S", "later", QStringLiteral("2")},              // a repeated header goes on
        {"s", "later", std::nullopt},                     // names match exactly
    };
    // clang-format on
    for (const auto& [section, key, text] : cases)
        EXPECT_EQ(store.text(QString::fromUtf8(section), QString::fromUtf8(key)), text) << key;

    // What was read keeps its place and its bytes; the new follows in the order of names.
    store.setText(QStringLiteral("S"), QStringLiteral("b"), QStringLiteral("new"));
    store.setText(QStringLiteral("S"), QStringLiteral("a"), QStringLiteral("new"));
    store.setText(QStringLiteral("S"), QStringLiteral("spaced"), QStringLiteral("c"));
    store.eraseSection(QString());
    EXPECT_EQ(store.format().toStdString(),
              "[S]\nspaced=c\ncommented=\"x;y\" \nlist=a, b\ntyped=@Variant(\\0\\0\\0\\x7f)\n"
              "joined=a\\\r\nb\nA%U0439=escaped\nlater=2\na=new\nb=new\n");
}

} // namespace
