#pragma once

#include "platform/Optionstore.h"

#include <QMap>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

// The options each user keeps for himself: a file named after the program title in the user's
// configuration folder, in the system's settings library's text form, one section per record.
// Only the sections given are read; what other programs keep beside them is written back as
// the library found it.
// The library never opens that file: it would wait on a pipe, read without bound and take a lock
// file beside it. The program reads the file itself (a plain file no larger than the limit
// given; anything else is neither read nor written over) and keeps its bytes, the values the
// library reads from them and the changes staged since. The library sees the bytes only in a
// private copy made for one reading of bytes that changed, or for one save, and gone right
// after: a program that runs for weeks, or is killed, leaves nothing of the user's options in
// the temporary folder, and a temporary folder cleaned under it costs nothing. A copy that the
// library may not have read as it was written is no reading: a load then gives the defaults,
// and a save fails with the store as it was. A save holds the library's lock beside the store,
// as a program using the library does, replays the staged changes onto a copy of the bytes the
// store holds then and replaces it whole with what the library wrote, unless that is larger
// than the limit and so would not be read again; another program's change meanwhile is read
// and built on again. A file the library finds malformed when it writes it is copied aside
// (".bad" added to its name) before it is replaced, since the library drops the lines it could
// not read.
class CUserRegistry : public COptionStore
{
public:
    CUserRegistry(const QString& title, qint64 maxBytes, const QStringList& sections);

    // Called with the private copy's name each time before the library may read it: once it is
    // written, and before the library's sync. A cleaner of the temporary folder could remove or
    // replace the copy then; tests act so here. An empty one does nothing.
    static void setCopyReadHook(std::function<void(const QString& copyName)> hook);

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
        QString path;
        std::optional<QString> value;
    };

    void load() const;
    QVariant value(const QString& section, const QString& key) const;
    bool refuse(const QString& reason);
    // What the library makes of the store's bytes with the staged changes.
    bool build(const QByteArray& current, QByteArray& content, QString& reason) const;
    bool store();

    QString m_Title;
    QString m_FileName;
    qint64 m_MaxBytes;
    mutable bool m_Stale = true;
    QStringList m_Sections;
    // The store's bytes as last read or written; the values are the library's reading of the
    // sections read, with the staged changes applied, by the library's key paths.
    mutable QByteArray m_Source;
    mutable QMap<QString, QVariant> m_Values;
    std::vector<TChange> m_Staged;
    QString m_Refusal;
    QString m_FailureReason;
};
