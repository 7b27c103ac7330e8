#pragma once

#include "framework/Frameworklimits.h"
#include "framework/Stringutils.h"
#include "framework/Templatesingleton.h"
#include "framework/Templatestackelements.h"

#include <QDateTime>
#include <QString>

#include <functional>

// A stack of log lines: blank lines are refused, the others are trimmed and cut to
// MaxLength characters.
template <int N, int MaxLength>
class CStackMessages : public CTemplateStackElements<QString, N>
{
public:
    CStackMessages()
        : CTemplateStackElements<QString, N>(true)
    {
    }

protected:
    bool accept(const QString& element, QString& stored) const override
    {
        stored = leftWhole(trimBlanks(element), MaxLength);
        return !stored.isEmpty();
    }
};

using CLogLines = CStackMessages<kLogLinesKept, kLogLineMaxLength>;

// The log file: one line per entry, collected in memory and appended to the file
// kLogLinesKept lines at a time and when the object is destroyed. A file grown beyond
// kLogSizeLimit bytes is first cut to its last kLogLinesKept lines, read from its end only;
// other copies of the program wait meanwhile, as they do for an append. Nothing that goes wrong
// with the file reaches the caller.
class CFileLog : public CTemplateSingleton<CFileLog>
{
public:
    enum : quint8 {
        TYPE_SYSTEM_ERROR = 1,
        TYPE_ERROR = 2,
        TYPE_WARNING = 3,
        TYPE_SUCCESS = 4,
        TYPE_INFORMATION = 5,
    };

    using TClock = std::function<QDateTime()>;

    CFileLog();
    ~CFileLog() override;

    void setFileName(const QString& name);
    void setFolder(const QString& folder);
    QString getFilePath() const;
    // The local time by default; tests give a fixed one.
    void setClock(TClock clock);

    void add(quint8 type, const QString& source, const QString& text);
    void add(quint8 type, const QString& text);
    void add(const QString& text);
    // Keeps the line; the kLogLinesKept-th kept line writes them all.
    void addLine(const QString& line);
    void flush();

    // "[++-] [05/Mar/2024 07:08:09] [information] text": flags telling that the type is known
    // and a source is given, the time, the type, the source when there is one, the text.
    QString formatLine(quint8 type, const QString& source, const QString& text) const;

    // 0 when the file is missing or cannot be read.
    qint64 getFileSize() const;
    bool isOverLimit() const;

private:
    QString m_FileName;
    QString m_Folder;
    TClock m_Clock;
    CLogLines m_Pending;
};
