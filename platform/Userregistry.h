#pragma once

#include "platform/Optionstore.h"

#include <QSettings>

// The options each user keeps for himself: the system's native settings store for the user
// scope, one group per section under the program title. Nothing falls back to system-wide
// settings, so only what this user stored is read. A file of the store that is malformed is
// copied aside before it is first rewritten, so nothing in it is lost.
class CUserRegistry : public COptionStore
{
public:
    explicit CUserRegistry(const QString& title);

    QString getFileName() const override;

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
    static QString path(const QString& section, const QString& key);
    bool accepts(const QString& section, const QString& key);

    QSettings m_Settings;
    bool m_WriteRefused = false;
    bool m_MalformedKept = false;
    QString m_FailureReason;
};
