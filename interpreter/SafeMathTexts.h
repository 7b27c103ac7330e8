#pragma once

#include "LimitString.h"

namespace xonQMInterpreter {

// The detail text that follows the lead text of a failed operation or function for a result
// code of the guarded arithmetic; the empty text for codes that have none. Each caller
// decides which codes it distinguishes and with which separator.
CMessageString safeMathDetailText(int code);

} // namespace xonQMInterpreter
