#ifndef OMBRIX_INTERPRETER_READERINTEGER_H
#define OMBRIX_INTERPRETER_READERINTEGER_H

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

#endif
