#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>

#include <optional>

// How document files turn into editor text and back. The editor's text breaks lines with LF;
// files break them with CR LF.

enum class TDocumentEncoding {
    Cp1251,
    Utf8,
    Utf8WithByteOrderMark,
    Utf16LeWithByteOrderMark,
    Utf16BeWithByteOrderMark,
};

struct TDecodedDocument
{
    QString text;               // lines broken by LF
    TDocumentEncoding encoding; // to save the document in again
    // Saving it will not give back the bytes it was read from (a NUL byte in cp1251 becomes a
    // blank, an odd byte after UTF-16 text is lost, a line or paragraph separator becomes a line
    // break); the user is told when it is opened.
    bool changedBySaving = false;
};

// The toolkit's converter of the encoding; none for cp1251, which has its own table (app/Cp1251.h).
std::optional<QStringConverter::Encoding> unicodeConverter(TDocumentEncoding encoding);

// A file that starts with a UTF-16 byte-order mark is UTF-16 in that byte order; one that is
// valid UTF-8 after an optional UTF-8 mark is UTF-8, 7-bit text and an empty file included, as
// this system's text files are; any other is cp1251, a UTF-8 mark before invalid bytes
// included. When the bytes are only the beginning of the file (complete false), a character
// cut at their end is not held against the encoding.
TDocumentEncoding documentEncoding(const QByteArray& bytes, bool complete = true);

// The text of the bytes in their documentEncoding: a mark is dropped and written back on
// saving (a second mark is text); cp1251 keeps every byte. CR LF, LF and a lone CR each end a
// line. A character cut at the end of bytes that are only the beginning of the file is not
// decoded.
TDecodedDocument decodeDocument(const QByteArray& bytes, bool complete = true);

struct TEncodedDocument
{
    QByteArray bytes;           // lines broken by CR LF
    TDocumentEncoding encoding; // the encoding written, to remember for the next save
    // A cp1251 document held characters cp1251 cannot, so it is UTF-8 now.
    bool leftCp1251 = false;
};

// The file of the text in the encoding it was read in; a new document (no encoding yet) and a
// cp1251 one whose characters no longer all fit are UTF-8 without a mark.
TEncodedDocument encodeDocument(const QString& text, std::optional<TDocumentEncoding> readIn);
