// The self-test driver: blocks of an input file into a timed report, compared byte for byte.

#include "Testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace xonQMInterpreter;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class SelfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = fs::temp_directory_path()
                   / ("ombrix-selftest-"
                      + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                      + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
    }
    void TearDown() override { fs::remove_all(m_Folder); }

    // Runs the test with a clock that stands still, so every time in the report is 0.
    std::string run(const std::string& input, const std::string& earlierReport = "")
    {
        writeFile(m_Folder / "input.txt", input);
        if (!earlierReport.empty())
            writeFile(m_Folder / "report.txt", earlierReport);
        CTesting testing(inputName().c_str(), reportName().c_str(), [] { return 5000u; });
        testing.perform();
        return readFile(m_Folder / "report.txt");
    }
    std::string inputName() const { return (m_Folder / "input.txt").string(); }
    std::string reportName() const { return (m_Folder / "report.txt").string(); }

    fs::path m_Folder;
};

} // namespace

TEST_F(SelfTest, GoldenReport)
{
    const fs::path data = OMBRIX_TEST_DATA_DIR;
    EXPECT_EQ(run(readFile(data / "selftest.input")), readFile(data / "selftest.report"));
}

TEST_F(SelfTest, BlocksStartWithEmptyTables)
{
    const std::string report = run("a = 1;***END_BLOCK***b = 2;");
    EXPECT_NE(report.find("[RESULTS] \r\na=1\r\n\r\n"), std::string::npos);
    EXPECT_NE(report.find("[RESULTS] \r\nb=2\r\n\r\n"), std::string::npos);
    // The last block ends with the blank appended to the whole input and its own.
    EXPECT_NE(report.find("[TEXT] \r\nb = 2;  \r\n"), std::string::npos);
}

TEST_F(SelfTest, WithoutMarkerOneBlock)
{
    const std::string report = run("x = 1 +;");
    EXPECT_EQ(report.find("[START] "), report.rfind("[START] "));
    EXPECT_NE(
        report.find(
            "[MESSAGES] \r\n [error, line 1, position 8] error in expression, the expression is missed "
            "after of the word '+'\r\n"),
        std::string::npos);
    EXPECT_NE(report.find("[RESULTS] \r\nx=0\r\n"), std::string::npos);
}

TEST_F(SelfTest, EmptyBlocksRunAsEmptyTexts)
{
    const std::string report = run("***END_BLOCK******END_BLOCK***a = 1;");
    EXPECT_EQ(report.find("***END_BLOCK***"), std::string::npos) << "a block ran the whole input";
    size_t empty = 0;
    for (size_t at = report.find("text is empty"); at != std::string::npos;
         at = report.find("text is empty", at + 1))
        ++empty;
    EXPECT_EQ(empty, 2u);
    EXPECT_NE(report.find("a=1"), std::string::npos);
}

TEST_F(SelfTest, EarlierReportsStay)
{
    const std::string earlier = "earlier report\r\n";
    const std::string report = run("a = 1;", earlier);
    EXPECT_EQ(report.rfind(earlier, 0), 0u);
    EXPECT_NE(report.find("[START] "), std::string::npos);
}

TEST_F(SelfTest, BlankOrMissingFilesDoNothing)
{
    CTesting blankInput("  ", reportName().c_str());
    blankInput.perform();
    CTesting blankReport(inputName().c_str(), "\t");
    blankReport.perform();
    CTesting missingInput((m_Folder / "absent.txt").string().c_str(), reportName().c_str());
    missingInput.perform();
    EXPECT_FALSE(fs::exists(m_Folder / "report.txt"));
}

TEST_F(SelfTest, SumsAreTheBlocksTimes)
{
    writeFile(m_Folder / "input.txt", "a = 1;***END_BLOCK***b = 2;***END_BLOCK***c = 3;");
    uint32_t now = 0;
    CTesting testing(inputName().c_str(), reportName().c_str(), [&] { return now += 7; });
    testing.perform();
    const std::string report = readFile(m_Folder / "report.txt");
    auto sum = [&](const char* lead) {
        unsigned total = 0;
        const std::regex line(std::string(lead) + "(\\d+)\\.\r\n");
        for (std::sregex_iterator it(report.begin(), report.end(), line), end; it != end; ++it)
            total += std::stoul((*it)[1]);
        return total;
    };
    const unsigned calculation = sum("Time of the calculation \\(mc\\): ");
    EXPECT_GT(calculation, 0u);
    EXPECT_EQ(sum("Full time of the calculation \\(mc\\): "), calculation);
    EXPECT_EQ(sum("Full time of the output into file: "), sum("Time of the output into file: "));
}

TEST_F(SelfTest, AFaultInABlockIsReportedAndTheTestGoesOn)
{
    writeFile(m_Folder / "input.txt", "a = 1;***END_BLOCK***b = 2;");
    int calls = 0;
    // The facade's closing reading of the first block fails.
    CTesting testing(inputName().c_str(), reportName().c_str(), [&]() -> uint32_t {
        if (++calls == 4)
            throw std::runtime_error("clock");
        return 100;
    });
    testing.perform();
    const std::string report = readFile(m_Folder / "report.txt");
    EXPECT_NE(report.find("[TEXT] \r\na = 1; \r\nerror at 'interpreter.perform'\r\n[START] "),
              std::string::npos);
    EXPECT_NE(report.find("b=2"), std::string::npos);
}

TEST(SelfTestEnd, AStoppedOrCutTestSaysSoBeforeItsTotals)
{
    struct TCase
    {
        const char* reason;
        const char* stopAt; // the stop is asked once this stands in the report; null: never
        bool complete;
        const char* expected; // the lines before the totals
    };
    const TCase cases[] = {
        {"stopped in the second block of three", "[TEXT] \r\nb = 2; \r\n", true,
         "[FINISH] ************************************\r\n\r\n"
         "[STOPPED] The test was stopped here; blocks not run: 1 of 3.\r\n\r\n"},
        {"stopped in the last block", "[TEXT] \r\nc = 3;  \r\n", true,
         "[STOPPED] The test was stopped here; blocks not run: 0 of 3.\r\n\r\n"},
        {"only the start of the input", nullptr, false,
         "[FINISH] ************************************\r\n\r\n"
         "[CUT] The input was cut after 36 characters; the rest of it was not tested.\r\n\r\n"},
    };
    const std::string input = "a = 1;***END_BLOCK***b = 2;***END_BLOCK***c = 3;";
    for (const TCase& c : cases) {
        std::ostringstream report;
        CTesting* self = nullptr;
        CTesting testing(nullptr, nullptr, [&] {
            if (c.stopAt != nullptr && report.view().find(c.stopAt) != std::string_view::npos)
                self->requestStop();
            return 0u;
        });
        self = &testing;
        testing.perform(std::string_view(input).substr(0, c.complete ? input.size() : 36), report,
                        c.complete, 0);
        EXPECT_NE(report.str().find(std::string(c.expected) + "Full time of the test: "),
                  std::string::npos)
            << c.reason << "\n"
            << report.str();
    }
}

TEST(SelfTestStop, ARequestIsTakenByOneTest)
{
    // Asked before a test: that test runs no block, and the next one runs as if never asked.
    CTesting testing(nullptr, nullptr, [] { return 0u; });
    testing.requestStop();
    std::ostringstream stopped;
    testing.perform("x = 1;", stopped, true, 0);
    EXPECT_TRUE(stopped.str().starts_with(
        "[STOPPED] The test was stopped here; blocks not run: 1 of 1.\r\n"))
        << stopped.str();
    std::ostringstream next;
    testing.perform("x = 1;", next, true, 0);
    EXPECT_NE(next.str().find("[RESULTS] \r\nx=1\r\n"), std::string::npos) << next.str();
    EXPECT_EQ(next.str().find("stopped"), std::string::npos) << next.str();
}
