#pragma once

#include "platform/Optionstore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <sys/types.h>

// The options each user keeps for himself: a file named after the program title in the user's
// configuration folder, in the system's settings library's text form, one section per record.
// The library never opens that file: it would wait on a pipe, read without bound and take a lock
// file beside it. The program reads the file itself (a plain file no larger than the limit
// given; anything else is neither read nor written over), hands the library a private copy of
// those bytes, and on a save replaces the store whole with what the library wrote into the copy,
// unless that is larger than the limit and so would not be read again. A file the library finds
// malformed is copied aside (".bad" added to its name) before it is replaced, since the library
// drops the lines it could not read.
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
    struct TFileIdentity
    {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const TFileIdentity&) const = default;
    };
    static TFileIdentity identityOf(const QString& fileName);

    void load() const;
    // Why no copy could be made, or nothing.
    QString makeCopy(const QByteArray& content) const;
    QVariant value(const QString& section, const QString& key) const;
    bool refuse(const QString& reason);
    bool fail(const QString& reason);
    bool storeCopy();

    QString m_FileName;
    qint64 m_MaxBytes;
    mutable bool m_Stale = true;
    // Declared before the copy, so the copy is closed before its folder goes.
    mutable std::unique_ptr<QTemporaryDir> m_CopyFolder;
    mutable int m_CopiesMade = 0;
    // The library on the private copy; none while the store cannot be read.
    mutable std::unique_ptr<QSettings> m_Copy;
    // The store's bytes the copy was made from, or last replaced the store with.
    mutable QByteArray m_CopySource;
    // The copy's file when it last held all the library holds: the library writes a new file in
    // its place.
    mutable TFileIdentity m_CopyIdentity;
    // The library holds changes that its copy's file may not have yet.
    bool m_CopyBehind = false;
    mutable bool m_MalformedKept = false;
    // Why the file cannot be read; while set, nothing is written over it.
    mutable QString m_Unreadable;
    bool m_Dirty = false;
    QString m_Refusal;
    QString m_FailureReason;
};
