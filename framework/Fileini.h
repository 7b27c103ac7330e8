#pragma once

#include "platform/Optionstore.h"

#include <QByteArrayList>

// The ini file beside the executable: the executable's path with its extension replaced by
// ".ini". Lines are "[Section]" and "Key=Value"; sections and keys match without regard to
// letter case; blanks around a key or a value are no part of it. Every line this object does
// not change is written back byte for byte, and a value holding a line break is refused, so
// nothing stored can add lines of its own. Writes are staged and stored together by updateFile(),
// through a temporary file that replaces the ini file only once it is complete.
class CIniFile : public COptionStore
{
public:
    CIniFile();
    ~CIniFile() override;

    QString getFileName() const;

    bool sectionExists(const QString& section) const override;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    int readInteger(const QString& section, const QString& key, int defaultValue) const override;
    bool writeString(const QString& section, const QString& key, const QString& value) override;
    bool writeInteger(const QString& section, const QString& key, int value) override;
    bool eraseSection(const QString& section) override;
    bool updateFile() override;

private:
    void refresh() const;
    int findSection(const QString& section) const;
    int sectionEnd(int header) const;
    int findKey(int header, const QString& key) const;
    bool refuse();

    QString m_FileName;
    // Without staged writes the file is read again before every look-up, so the object
    // always answers what the file holds now.
    mutable QByteArrayList m_Lines;
    mutable bool m_HasByteOrderMark = false;
    mutable bool m_Unreadable = false;
    bool m_Dirty = false;
    bool m_WriteRefused = false;
};
