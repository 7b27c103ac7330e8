#include "ReaderWordErroneous.h"

#include "CharClasses.h"

namespace xonQMInterpreter {

CReaderWordErroneous::CReaderWordErroneous()
{
    setStartChars(isDigitChar);
}

TReadAnswer CReaderWordErroneous::parse(TReadMode mode, bool adjacent)
{
    return parseRun(mode, adjacent, [](char c) { return isWordChar(c); });
}

} // namespace xonQMInterpreter
