#include "platform/Atomicfile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& fileName, const QByteArray& content)
{
    QString reason;
    return writeFileAtomically(fileName, content, reason);
}

bool writeFileAtomically(const QString& fileName, const QByteArray& content, QString& reason)
{
    QSaveFile file(fileName);
    // In a folder that refuses the temporary file, in place: else the file could never be
    // saved again.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        reason = file.errorString();
        return false;
    }
    // commit() does not notice when writing out its buffer fails (a full disk), and would
    // put the cut-short file in place; flushing first does.
    if (!file.flush()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
