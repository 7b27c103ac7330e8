// Any bytes as a calculation text: a run must end with its messages and variables readable,
// never with a crash, a hang, a leak or undefined behaviour.

#include "QMInterpreter.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace xonQMInterpreter;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One interpreter for every input, as a window reuses it: each run must start afresh.
    static CQMInterpreter interpreter;
    const std::string text(reinterpret_cast<const char*>(data), size);
    interpreter.perform(text.c_str());

    const int counts[] = {interpreter.getCountErrors(), interpreter.getCountWarnings(),
                          interpreter.getCountMessages()};
    for (int i = 0; i < counts[0]; ++i)
        (void)interpreter.getError(i);
    for (int i = 0; i < counts[1]; ++i)
        (void)interpreter.getWarning(i);
    for (int i = 0; i < counts[2]; ++i)
        (void)interpreter.getMessage(i);
    for (int i = 0; i < interpreter.getCountVariables(); ++i) {
        CNameString name;
        double value = 0.0;
        interpreter.getVariable(i, name, value);
        interpreter.getVariable(name, value);
    }
    return 0;
}
