#pragma once

// Every fixed size and limit of the interpreter, in one place.
namespace xonQMInterpreter {

// Capacities of the bounded strings.
constexpr int MAX_LENGTH_NAME = 64;     // names of variables, functions, constants
constexpr int MAX_LENGTH_MESSAGE = 512; // message texts and formatted message lines
constexpr int MAX_LENGTH_TOKEN = 1024;  // token texts, exception codes; also the look-ahead size

// The longest text a growable string may hold.
constexpr int MAX_LENGTH_BUFFER = 512000000;

// The longest self-test input taken: its last block, with the two blanks the test adds, must
// fit one text of the interpreter. The rest of a longer input is not tested.
constexpr int kMaxTestInputLength = MAX_LENGTH_BUFFER - 2;

// Tokens the lexer may read ahead before the parser commits one.
constexpr int MAX_COUNT_TOKENS_IN_STACK = 12;

// Capacities of the three message lists.
constexpr int MAX_COUNT_ERRORS = 12; // errors and system errors together
constexpr int MAX_COUNT_WARNINGS = 64;
constexpr int MAX_COUNT_MESSAGES = 128;

// A message text longer than this is cut and marked with " ..." before its prefix is added
// (the message capacity less room for the longest prefix).
constexpr int MAX_LENGTH_MESSAGE_TEXT = MAX_LENGTH_MESSAGE - 31;

// Tab width of the character input unless the caller sets another.
constexpr int DEFAULT_TAB_SIZE = 4;

// A run of white space is handed over to the look-ahead in pieces this size, so that a long
// run never fills the buffer: once SKIP_WHITE_SPACE_FLUSH characters are read, the first
// SKIP_WHITE_SPACE_CONSUME of them are consumed.
constexpr int SKIP_WHITE_SPACE_FLUSH = 15;
constexpr int SKIP_WHITE_SPACE_CONSUME = 12;

// The raw word quoted in an "unknown word" message is cut after this many characters.
constexpr int MAX_LENGTH_UNKNOWN_WORD = 32;

// Brackets, calls and power chains nest at most this deep; deeper nesting is refused with a
// message instead of exhausting the stack.
constexpr int MAX_NESTING_DEPTH = 1000;

// Evaluations nest at most this deep (operators, calls, and user functions whose bodies call
// further user functions); deeper nesting fails with a message instead of exhausting the
// stack. One expression within MAX_NESTING_DEPTH reaches at most about twice that (a call and
// a sign at every level), so every such expression evaluates.
constexpr int MAX_EVALUATION_DEPTH = 2 * MAX_NESTING_DEPTH + 100;

// Significant digits of a value's text form.
constexpr int VALUE_TEXT_DIGITS = 15;

} // namespace xonQMInterpreter
