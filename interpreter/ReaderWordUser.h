#pragma once

#include "ReaderTokenBase.h"

namespace xonQMInterpreter {

// A name: a letter or "_", then letters, "_" and digits.
class CReaderWordUser : public CReaderTokenBase
{
public:
    CReaderWordUser();
    TReadAnswer parse(TReadMode mode, bool adjacent) override;
};

} // namespace xonQMInterpreter
