#include "ReaderInteger.h"

#include "CharClasses.h"

namespace xonQMInterpreter {

CReaderInteger::CReaderInteger()
{
    setStartChars(isDigitChar);
}

TReadAnswer CReaderInteger::parse(TReadMode mode, bool adjacent)
{
    return parseRun(mode, adjacent, [](char c) { return isDigitChar(c); });
}

} // namespace xonQMInterpreter
