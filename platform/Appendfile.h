#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <ostream>

// What a file grown beyond `limit` bytes is cut to: `make` turns its last bytes (at most
// `tailBytes`; `whole` when they are all of it) into the file's new content.
struct TFileCut
{
    qint64 limit = 0;
    qint64 tailBytes = 0;
    std::function<QByteArray(const QByteArray& tail, bool whole)> make;
};

// Adds the content at the end of a plain file, creating it when missing. The room is taken
// first: a failure leaves the file as it was, with the system's reason, and so does a signal
// that ends the program meanwhile; a kill leaves only bytes that were written. Every copy of
// the program adds under one lock, so that two copies adding at once write one after the other.
bool appendToFile(const QString& fileName, const QByteArray& content, QString& reason);
// As above, but a file larger than cut.limit is instead replaced, under the same lock, by what
// cut.make answers, as writeFileAtomically replaces a file.
bool appendToFile(const QString& fileName, const QByteArray& content, const TFileCut& cut,
                  QString& reason);

// Content added to the end of a file whole or not at all, however large it grows: it is written
// as it comes into a file of its own that has no name, so that nothing of it outlives the
// program, and added in one step at the end, as appendToFile adds. That file lies beside the
// file added to, on the disk that must hold the content; where that folder takes no file, in the
// temporary folder.
class CStagedAppend
{
public:
    explicit CStagedAppend(const QString& fileName);
    ~CStagedAppend();
    CStagedAppend(const CStagedAppend&) = delete;
    CStagedAppend& operator=(const CStagedAppend&) = delete;

    // False, with the system's reason, when no file could be made for the content.
    bool isOpen(QString& reason) const;
    // Where the content goes. A write that fails makes it bad for good.
    std::ostream& stream() { return m_Stream; }
    // Adds all that was written; false with the reason when any of it could not be written or
    // added, and then nothing is added.
    bool append(QString& reason);

private:
    class CBuffer;

    QString m_FileName;
    int m_Fd = -1;
    std::unique_ptr<CBuffer> m_Buffer;
    std::ostream m_Stream;
};
