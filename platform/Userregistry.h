#pragma once

#include "platform/Optionstore.h"
#include "platform/Userstoretext.h"

// The options each user keeps for himself: a file named after the program title in the user's
// configuration folder, where the system's settings library keeps a user's settings, one section
// per record. Its own reading and writing follow the ini file's rules: anything but a plain file,
// or a file larger than the limit given, is neither read nor written over; writes are staged and
// stored together by updateFile(), through a file that replaces the store only once complete. A
// file found malformed is copied aside (".bad" added to its name) before it is rewritten, so
// nothing in it is lost.
class CUserRegistry : public COptionStore
{
public:
    CUserRegistry(const QString& title, qint64 maxBytes);
    ~CUserRegistry() override;

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
    void load() const;
    std::optional<QString> text(const QString& section, const QString& key) const;
    bool refuse(const QString& reason);

    QString m_FileName;
    qint64 m_MaxBytes;
    mutable CUserStoreText m_Content;
    mutable bool m_Stale = true;
    // The file as read, while it is malformed: what to keep aside before replacing it.
    mutable QByteArray m_Malformed;
    // Why the file cannot be read; while set, nothing is written over it.
    mutable QString m_Unreadable;
    bool m_Dirty = false;
    QString m_Refusal;
    QString m_FailureReason;
};
