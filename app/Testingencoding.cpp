#include "app/Testingencoding.h"

#include "app/Cp1251.h"
#include "platform/Piecebuffer.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Decoded a piece at a time, so that the input's memory is not taken once more for its text.
constexpr qsizetype kPieceBytes = qsizetype(1) << 16U;
// The report is encoded, and handed on, this much at a time.
constexpr std::size_t kReportPieceBytes = 4096;

bool isAscii(const char* begin, qsizetype length)
{
    return std::all_of(begin, begin + length,
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

TDocumentEncoding turnTestingInputToCp1251(QByteArray& input, bool complete)
{
    const TDocumentEncoding encoding = documentEncoding(input, complete);
    const std::optional<QStringConverter::Encoding> converter = unicodeConverter(encoding);
    if (!converter)
        return encoding;
    // The decoder drops the mark, and keeps a character cut at the end of a piece for the next
    // one; one cut at the end of the input is never decoded.
    QStringDecoder decoder(*converter);
    char* const text = input.data();
    // Each character takes at least one byte of the input and gives one byte of text, so the
    // text never overtakes the piece it comes from.
    qsizetype written = 0;
    QString heldSurrogate;
    const auto write = [text, &written](QString piece) {
        piece.remove(QChar(0));
        const QByteArray bytes = toCp1251(piece);
        std::memcpy(text + written, bytes.constData(), static_cast<size_t>(bytes.size()));
        written += bytes.size();
    };
    for (qsizetype at = 0; at < input.size(); at += kPieceBytes) {
        QString piece =
            heldSurrogate
            + decoder.decode(QByteArrayView(text + at, std::min(kPieceBytes, input.size() - at)));
        heldSurrogate.clear();
        // The two halves of a pair are one character, and one "?".
        if (!piece.isEmpty() && piece.back().isHighSurrogate()) {
            heldSurrogate = piece.back();
            piece.chop(1);
        }
        write(piece);
    }
    write(heldSurrogate);
    input.truncate(written);
    return encoding;
}

class CTestingReportStream::CBuffer : public CPieceBuffer<kReportPieceBytes>
{
public:
    CBuffer(std::ostream& target, TDocumentEncoding encoding)
        : m_Target(target)
    {
        if (const auto converter = unicodeConverter(encoding)) {
            m_AsciiUnchanged = *converter == QStringConverter::Utf8;
            m_Encoder.emplace(*converter, m_AsciiUnchanged ? QStringConverter::Flag::Default
                                                           : QStringConverter::Flag::WriteBom);
        }
    }

protected:
    bool drain(const char* data, std::ptrdiff_t length) override
    {
        if (length == 0)
            return bool(m_Target);
        // Most of a report is ASCII, which UTF-8 writes as it is.
        if (!m_Encoder || (m_AsciiUnchanged && isAscii(data, length))) {
            m_Target.write(data, length);
        } else {
            const QByteArray bytes =
                m_Encoder->encode(fromCp1251(QByteArray::fromRawData(data, length)));
            m_Target.write(bytes.constData(), bytes.size());
        }
        return bool(m_Target);
    }
    int sync() override { return CPieceBuffer::sync() == 0 && m_Target.flush() ? 0 : -1; }

private:
    std::ostream& m_Target;
    std::optional<QStringEncoder> m_Encoder;
    bool m_AsciiUnchanged = true;
};

CTestingReportStream::CTestingReportStream(std::ostream& target, TDocumentEncoding encoding)
    : std::ostream(nullptr)
    , m_Buffer(std::make_unique<CBuffer>(target, encoding))
{
    rdbuf(m_Buffer.get());
}

CTestingReportStream::~CTestingReportStream() = default;
