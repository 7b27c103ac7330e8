#pragma once

#include "ReaderTokenBase.h"

namespace xonQMInterpreter {

// A would-be name that begins with a digit, as "2x"; read only so that it can be reported.
class CReaderWordErroneous : public CReaderTokenBase
{
public:
    CReaderWordErroneous();
    TReadAnswer parse(TReadMode mode, bool adjacent) override;
};

} // namespace xonQMInterpreter
