#pragma once

#include <QString>

#include <functional>

struct TFileIdentity;

// A store of option values by section and key: the ini file beside the executable or the
// per-user store. Reads never fail: a missing value, or one of the wrong type, yields the
// default given. Writes are staged until updateFile(), which reports whether they were kept.
class COptionStore
{
public:
    virtual ~COptionStore() = default;

    // The file that holds the values, to name the store to the user.
    virtual QString getFileName() const = 0;

    virtual bool sectionExists(const QString& section) const = 0;

    virtual QString readString(const QString& section, const QString& key,
                               const QString& defaultValue) const = 0;
    virtual int readInteger(const QString& section, const QString& key, int defaultValue) const = 0;
    // Flags are stored as the integers 1 and 0; any non-zero integer reads as true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Each write answers false when the store refuses it; updateFile() then answers false too.
    virtual bool writeString(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool writeInteger(const QString& section, const QString& key, int value) = 0;
    bool writeBool(const QString& section, const QString& key, bool value);

    // Removes the section with all its keys; a missing section is no error.
    virtual bool eraseSection(const QString& section) = 0;

    // Makes the staged writes lasting. False when the store could not be written or a write
    // since the previous call was refused. What it could not store stays staged for the next
    // call and is dropped with the object: once the user was told that a save failed, nothing
    // writes the file behind his back.
    virtual bool updateFile() = 0;
    // Why updateFile() last answered false, in the system's words.
    virtual QString getFailureReason() const = 0;

protected:
    // The content of the store's file; a missing file is empty. Anything but a plain file, or a
    // file larger than maxBytes, is not read, nor is a file the system refuses: `reason` then
    // tells why, and nothing may be written over it.
    static QByteArray readStoreFile(const QString& fileName, qint64 maxBytes, QString& reason,
                                    TFileIdentity* identity = nullptr);
    // What a save builds from the store's file as it is at the save: false, with the reason,
    // when it cannot.
    using TBuild =
        std::function<bool(const QByteArray& current, QByteArray& content, QString& reason)>;
    // Replaces the store's file with what `build` makes of it as it is at the moment of writing:
    // the file is read again first, and read and built again should another program replace or
    // write it before it is replaced, so that what that program wrote stays. A file that cannot
    // be read again whole is not written. False, with the reason, when nothing was stored; a
    // content equal to the file's is not written.
    static bool replaceStoreFile(const QString& fileName, qint64 maxBytes, const TBuild& build,
                                 QString& reason);
    // Keeps how a reading of the store went (reason empty: it was read). The defaults then
    // serve, which the user would not see: standard error is told, once while the reason stays
    // the same.
    void noteReading(const QString& fileName, const QString& reason) const;
    bool isUnreadable() const;
    // Why nothing may be written over the store; empty when it may be. A store that cannot be
    // read now is one. So is a store that could not be read the first time it was looked at,
    // for the rest of this object's life: the options taken from it then were the defaults, and
    // writing them would put them in place of the user's once the store can be read again.
    QString writeRefusal() const;

private:
    mutable QString m_Unreadable;
    mutable bool m_LookedAt = false;
    mutable QString m_NotReadFirst;
};
