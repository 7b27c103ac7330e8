#pragma once

namespace xonQMInterpreter {

// Kinds of the interpreter's messages. Errors and system errors share one list; a system error
// stops the run.
enum TMessageKind : unsigned char {
    MESSAGE_KIND_PLAIN = 0,
    MESSAGE_KIND_WARNING = 1,
    MESSAGE_KIND_ERROR = 2,
    MESSAGE_KIND_SYSTEM_ERROR = 3,
};

} // namespace xonQMInterpreter
