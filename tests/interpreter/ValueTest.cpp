#include "Value.h"

#include "NumericTestSupport.h"
#include "Variable.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <string>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

struct TTextCase
{
    double value;
    const char* text;
    const char* reason;
};

const TTextCase TEXT_CASES[] = {
    {0.0, "0", "zero"},
    {-0.0, "-0", "negative zero keeps its sign"},
    {1.0 / 3.0, "0.333333333333333", "15 significant digits"},
    {2.0 / 3.0, "0.666666666666667", "the last digit is rounded"},
    {100.0, "100", "no point for a whole number"},
    {-2.5, "-2.5", "negative"},
    {0.1 + 0.2, "0.3", "noise beyond 15 digits disappears"},
    {123456789012345.0, "123456789012345", "15 integer digits print in full"},
    {1234567890123456.0, "1.23456789012346e+15", "16 integer digits switch to the exponent form"},
    {1e15, "1e+15", "exponent 15 is the first exponent form"},
    {999999999999999.4, "999999999999999", "just below the switch"},
    {999999999999999.9, "1e+15", "rounding carries into the exponent form"},
    {0.0001, "0.0001", "exponent -4 is still fixed"},
    {0.00001, "1e-05", "exponent -5: at least two exponent digits"},
    {-0.000012345, "-1.2345e-05", "negative in exponent form"},
    {1e300, "1e+300", "three exponent digits"},
    {1.5e-100, "1.5e-100", "three exponent digits, negative"},
    {DBL_MAX, "1.79769313486232e+308", "the largest double"},
    {4.9406564584124654e-324, "4.94065645841247e-324", "the smallest subnormal"},
    {INF, "+INF", "+infinity"},
    {-INF, "-INF", "-infinity"},
    {NaN, "+NAN", "NaN without the sign bit"},
    {-NaN, "-NAN", "NaN with the sign bit"},
};

void expectTextForms()
{
    for (const TTextCase& c : TEXT_CASES)
        EXPECT_STREQ(CValue(c.value).toString().c_str(), c.text) << c.reason;
}

} // namespace

TEST(Value, DefaultIsZeroAndCopiesTheNumber)
{
    EXPECT_TRUE(sameNumber(CValue().getValue(), 0.0));
    CValue value(-0.0);
    CValue copy;
    copy = value;
    EXPECT_TRUE(sameNumber(copy.getValue(), -0.0));
}

TEST(Value, TextForm)
{
    expectTextForms();
}

TEST(Value, TextFormIgnoresACommaDecimalLocale)
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
    expectTextForms();
    std::setlocale(LC_ALL, "C");
}

TEST(Variable, NameIsTrimmedOfBlanks)
{
    struct TRow
    {
        const char* given;
        const char* name;
        const char* reason;
    };
    const TRow rows[] = {
        {"  x\t", "x", "spaces and tab"},
        {"\b\r\n\v\fy \t", "y", "every blank character"},
        {" a b ", "a b", "inner blanks stay"},
        {"   ", "", "blanks only"},
        {"", "", "empty"},
    };
    for (const TRow& row : rows) {
        CVariable variable(row.given, CValue(1.0));
        EXPECT_STREQ(variable.getName().c_str(), row.name) << row.reason;
    }
}

TEST(Variable, LongNameIsCutBeforeTrimming)
{
    const std::string given = "  " + std::string(70, 'x');
    CVariable variable(given.c_str(), CValue(0.0));
    EXPECT_EQ(std::string(variable.getName().c_str()), std::string(62, 'x'));
}

TEST(Variable, InitialisedOnlyWhenMarked)
{
    CVariable variable("v", CValue(1.5));
    EXPECT_FALSE(variable.isInitialized());
    variable.setValue(CValue(2.5));
    EXPECT_FALSE(variable.isInitialized()) << "storing a value alone does not initialise";
    EXPECT_EQ(variable.getValue().getValue(), 2.5);
    variable.setInitialized(true);
    variable.setValue(CValue(3.5));
    EXPECT_TRUE(variable.isInitialized()) << "storing a value leaves the flag";
}
