#pragma once

#include "ReaderTokenBase.h"

namespace xonQMInterpreter {

// An unsigned integer: one or more digits.
class CReaderInteger : public CReaderTokenBase
{
public:
    CReaderInteger();
    TReadAnswer parse(TReadMode mode, bool adjacent) override;
};

} // namespace xonQMInterpreter
