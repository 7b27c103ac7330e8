#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How document files turn into editor text and back. The editor's text breaks lines with LF;
// files break them with CR LF.

enum class TDocumentEncoding {
    Cp1251,
    Utf8,
    Utf8WithByteOrderMark,
};

struct TDecodedDocument
{
    QString text;                 // lines broken by LF
    TDocumentEncoding encoding;   // to save the document in again
};

// A file that starts with the UTF-8 byte-order mark (dropped), or is valid UTF-8 holding at
// least one multi-byte sequence, is UTF-8; any other is cp1251, which decodes every byte.
// CR LF, LF and a lone CR each end a line.
TDecodedDocument decodeDocument(const QByteArray& bytes);

struct TEncodedDocument
{
    QByteArray bytes;             // lines broken by CR LF
    TDocumentEncoding encoding;   // the encoding written, to remember for the next save
    // A cp1251 document held characters cp1251 cannot, so it is UTF-8 now.
    bool leftCp1251 = false;
};

// The file of the text in the encoding it was read in; a new document (no encoding yet) and a
// cp1251 one whose characters no longer all fit are cp1251 when they fit, else UTF-8 without
// a mark.
TEncodedDocument encodeDocument(const QString& text, std::optional<TDocumentEncoding> readIn);
