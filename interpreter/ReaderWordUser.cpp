#include "ReaderWordUser.h"

#include "CharClasses.h"

namespace xonQMInterpreter {

namespace {

bool isWordStart(char c)
{
    return isLetterChar(c) || c == '_';
}

} // namespace

CReaderWordUser::CReaderWordUser()
{
    setStartChars(isWordStart);
}

TReadAnswer CReaderWordUser::parse(TReadMode mode, bool adjacent)
{
    return parseRun(mode, adjacent, [](char c) { return isWordChar(c); });
}

} // namespace xonQMInterpreter
