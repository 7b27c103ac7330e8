// Runs one calculation text from a file through the interpreter, as the benchmarks time it.
//   ombrix_bench FILE              exit 0 when the run succeeds
//   ombrix_bench --refused FILE    exit 0 when the run ends with errors (a refused text)
// Either way a fault the run did not expect exits 1; -v also prints the counts of the run, its
// errors and its last three variables.

#include "interpreter/QMInterpreter.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

using xonQMInterpreter::CQMInterpreter;

int main(int argc, char** argv)
{
    bool refused = false;
    bool verbose = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--refused") == 0)
            refused = true;
        else if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            path = argv[i];
    }
    if (path == nullptr) {
        std::fprintf(stderr, "usage: %s [--refused] [-v] FILE\n", argv[0]);
        return 2;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 2;
    }
    // Read in one piece: the text is the only copy the driver keeps.
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 2;
    }
    std::string text(static_cast<size_t>(size), '\0');
    file.seekg(0, std::ios::beg);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();

    try {
        CQMInterpreter interpreter;
        const bool performed = interpreter.perform(text.c_str());
        if (verbose) {
            std::printf("performed %d, errors %d, warnings %d, messages %d, variables %d\n",
                        performed ? 1 : 0, interpreter.getCountErrors(),
                        interpreter.getCountWarnings(), interpreter.getCountMessages(),
                        interpreter.getCountVariables());
            for (int i = 0; i < interpreter.getCountErrors(); ++i)
                std::printf("%s\n", interpreter.getError(i).c_str());
            // The last variables, to compare a workload's results with the peers'.
            const int count = interpreter.getCountVariables();
            for (int i = count > 3 ? count - 3 : 0; i < count; ++i) {
                xonQMInterpreter::CNameString name;
                double value = 0.0;
                interpreter.getVariable(i, name, value);
                std::printf("%s = %.15g\n", name.c_str(), value);
            }
        }
        if (performed == refused || interpreter.hasErrors() != refused) {
            std::fprintf(stderr, "%s: the run %s\n", path, refused ? "was not refused" : "failed");
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", path, e.what());
        return 1;
    }
    return 0;
}
