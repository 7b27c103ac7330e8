#pragma once

#include "app/Documentencoding.h"

#include <QByteArray>

#include <memory>
#include <ostream>

// The self-test runs on cp1251 text, whatever the encoding of its input, and writes the report
// in the input's encoding.

// Decides the input's encoding as a document's (complete false: the bytes are only the
// beginning of the file) and turns the input into the text the test runs, in place: a mark is
// dropped, line ends are kept, a character cp1251 cannot hold becomes "?" as in a calculation
// of the editor's text, and a NUL is dropped as the test drops it from cp1251 input. A cp1251
// input stays as it is.
TDocumentEncoding turnTestingInputToCp1251(QByteArray& input, bool complete);

// Takes the report in cp1251 and writes it on to the target as it comes, in the encoding: UTF-8
// without a mark, UTF-16 with its mark, since nothing else tells its byte order; cp1251
// unchanged. Flush it before the target is used on its own; a write to the target that fails
// makes it bad.
class CTestingReportStream : public std::ostream
{
public:
    CTestingReportStream(std::ostream& target, TDocumentEncoding encoding);
    ~CTestingReportStream() override;
    CTestingReportStream(const CTestingReportStream&) = delete;
    CTestingReportStream& operator=(const CTestingReportStream&) = delete;

private:
    class CBuffer;
    std::unique_ptr<CBuffer> m_Buffer;
};
