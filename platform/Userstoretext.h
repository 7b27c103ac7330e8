#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The per-user store's file, in the text form the system's settings library gives it on this
// platform, so that a store written before reads as it did: "[Section]" headers, "key=value"
// lines and ';' comments. Names escape all but letters, digits, '_', '-' and '.' as %XX or
// %UXXXX. A value is UTF-8 with C escapes, quoted where it holds ';', ',' or '=' or begins or
// ends with a blank; an unquoted ',' makes it a list and "@Type(...)" a value of another type,
// and neither is text. Names match exactly. What was read keeps its order and its bytes; new
// sections and keys follow, in the order of their names.
class CUserStoreText
{
public:
    // Takes the content of a file. False when some line is neither a header, a key line nor a
    // comment; the rest is read.
    bool parse(const QByteArray& content);
    QByteArray format() const;

    bool hasSection(const QString& section) const;
    // The text a key holds; none when it is missing or holds no text.
    std::optional<QString> text(const QString& section, const QString& key) const;
    void setText(const QString& section, const QString& key, const QString& text);
    void eraseSection(const QString& section);

private:
    struct TEntry
    {
        QString key;
        QByteArray value; // as it stands in the file
        bool added = false;
    };
    struct TSection
    {
        QString name;
        std::vector<TEntry> entries;
        bool added = false;
    };

    TSection* findSection(const QString& section);
    const TSection* findSection(const QString& section) const;
    void setValue(const QString& section, const QString& key, const QByteArray& value, bool added);

    std::vector<TSection> m_Sections;
};
