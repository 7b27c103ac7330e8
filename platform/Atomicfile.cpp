#include "platform/Atomicfile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& fileName, const QByteArray& content)
{
    QSaveFile file(fileName);
    // In a folder that refuses the temporary file, in place: else the file could never be
    // saved again.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    // commit() does not notice when writing out its buffer fails (a full disk), and would
    // put the cut-short file in place; flushing first does.
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
