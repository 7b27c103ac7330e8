#pragma once

#include "ReaderTokenBase.h"

namespace xonQMInterpreter {

// An unsigned real number: digits, optionally "." and digits, optionally "E" or "e", a sign
// and digits. Where the number is not yet complete (after ".", the exponent letter or its
// sign) white space is skipped and the number goes on after it.
class CReaderFloat : public CReaderTokenBase
{
public:
    CReaderFloat();
    TReadAnswer parse(TReadMode mode, bool adjacent) override;
};

} // namespace xonQMInterpreter
