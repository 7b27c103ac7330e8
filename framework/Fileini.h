#pragma once

#include "platform/Optionstore.h"

#include <QByteArrayList>

#include <optional>
#include <vector>

// The ini file beside the executable: the executable's path with its extension replaced by
// ".ini". Lines are "[Section]" and "Key=Value"; sections and keys match without regard to
// letter case; blanks around a key or a value are no part of it. Every line this object does
// not change is written back byte for byte, and the lines it writes end as the file's first
// line does; a value holding a line break is refused, so nothing stored can add lines of its
// own. Writes are staged and stored together by updateFile(), into the file as it is then,
// through a temporary file that replaces the ini file only once it is complete. A file larger than
// kIniFileSizeLimit is no options file: it is not read, nothing is written over it, and no save
// makes one.
class CIniFile : public COptionStore
{
public:
    CIniFile();

    QString getFileName() const override;
    // The file is read once, at the first look-up or write after this call, so what follows
    // answers what the file holds then. Staged writes are kept and answered until stored.
    void reload() const;

    bool sectionExists(const QString& section) const override;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    int readInteger(const QString& section, const QString& key, int defaultValue) const override;
    bool writeString(const QString& section, const QString& key, const QString& value) override;
    bool writeInteger(const QString& section, const QString& key, int value) override;
    bool eraseSection(const QString& section) override;
    bool updateFile() override;
    QString getFailureReason() const override;

private:
    // A staged change: a key given a value, or without one a section removed.
    struct TChange
    {
        QString section;
        QString key;
        std::optional<QString> value;
    };

    void load() const;
    void parse(QByteArray content) const;
    void apply(const TChange& change);
    QByteArray content() const;
    QByteArray withLineEnd(const QByteArray& line) const;
    int findSection(const QString& section) const;
    int sectionEnd(int header) const;
    int findKey(int header, const QString& key) const;
    bool refuse(const QString& reason);

    QString m_FileName;
    // The file's bytes as last read or written, and each of its lines, with the staged changes
    // applied, without its '\n'; a CR of a CR LF line stays part of it.
    mutable QByteArray m_Source;
    mutable QByteArrayList m_Lines;
    mutable bool m_Stale = true;
    mutable bool m_HasByteOrderMark = false;
    mutable bool m_CrLf = false;
    std::vector<TChange> m_Staged;
    QString m_Refusal;
    QString m_FailureReason;
};
