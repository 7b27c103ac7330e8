// Every input the fuzzer found to crash, hang, leak or misbehave is kept in data/fuzz and run
// here on every build: each must end with a readable result, and leave the interpreter fit for
// the next run.

#include "InterpreterRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace ombrix_test;

TEST(FuzzRegressions, EveryKeptInputEndsCleanly)
{
    const std::filesystem::path folder = std::filesystem::path(OMBRIX_TEST_DATA_DIR) / "fuzz";
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    xonQMInterpreter::CQMInterpreter interpreter;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        // The folder's README says what the inputs are.
        if (!entry.is_regular_file() || entry.path().extension() == ".md")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        EXPECT_NO_THROW(runText(interpreter, text));
        const TRun next = runText(interpreter, "a = 1;");
        EXPECT_TRUE(next.performed);
        EXPECT_EQ(next.variables, Lines{"a=1"});
    }
}
