#pragma once

#include "ReaderBase.h"

namespace xonQMInterpreter {

// Skips comments at the bookmark: "//" and "#" to the end of the line (the line end
// included), and blocks from "/*" to the first "*/" or to the end of the text. Unlike the
// token readers it consumes what it skips.
class CReaderComments : public CReaderBase
{
public:
    // Skips every comment that follows (with the white space before it); answers whether
    // there was one. Raises CBaseException when no input is set.
    bool parse();
    // Skips one comment.
    bool parseComment();

private:
    void skipLine();
    void skipBlock();
};

} // namespace xonQMInterpreter
