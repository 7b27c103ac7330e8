// The C++ expression-library peer of the benchmarks: reads a workload in the calculator's
// language and evaluates it with that library, one parse per statement. Statements are
// "name = expression;" and "name(x, y) = expression;" with "//" comment lines, which is all
// the workloads use. Exit 0 when every statement evaluated, 1 at the first refusal.

#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <muParser.h>
#include <string>
#include <vector>

namespace {

std::string trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string withoutComments(const std::string& text)
{
    std::string result;
    size_t position = 0;
    while (position < text.size()) {
        const size_t comment = text.find("//", position);
        if (comment == std::string::npos) {
            result += text.substr(position);
            break;
        }
        result += text.substr(position, comment - position);
        const size_t end = text.find('\n', comment);
        position = end == std::string::npos ? text.size() : end;
    }
    return result;
}

// A two-parameter function: its body parsed once with the parameters bound.
struct TFunction
{
    double x = 0.0;
    double y = 0.0;
    mu::Parser body;
};

double callFunction(void* data, double x, double y)
{
    auto* function = static_cast<TFunction*>(data);
    function->x = x;
    function->y = y;
    return function->body.Eval();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());

    mu::Parser parser;
    std::deque<double> values;
    std::map<std::string, double*> variables;
    std::vector<std::unique_ptr<TFunction>> functions;
    size_t start = 0;
    try {
        while (start < text.size()) {
            size_t end = text.find(';', start);
            if (end == std::string::npos)
                end = text.size();
            const std::string statement = trim(withoutComments(text.substr(start, end - start)));
            start = end + 1;
            if (statement.empty())
                continue;
            const size_t assign = statement.find('=');
            if (assign == std::string::npos)
                throw mu::Parser::exception_type("no assignment in: " + statement);
            const std::string left = trim(statement.substr(0, assign));
            const std::string expression = statement.substr(assign + 1);
            const size_t bracket = left.find('(');
            if (bracket != std::string::npos) {
                const std::string parameters = left.substr(bracket + 1,
                                                           left.find(')') - bracket - 1);
                const size_t comma = parameters.find(',');
                auto function = std::make_unique<TFunction>();
                function->body.DefineVar(trim(parameters.substr(0, comma)), &function->x);
                function->body.DefineVar(trim(parameters.substr(comma + 1)), &function->y);
                function->body.SetExpr(expression);
                parser.DefineFunUserData(trim(left.substr(0, bracket)), callFunction,
                                         function.get());
                functions.push_back(std::move(function));
                continue;
            }
            parser.SetExpr(expression);
            const double value = parser.Eval();
            auto found = variables.find(left);
            if (found == variables.end()) {
                values.push_back(0.0);
                found = variables.emplace(left, &values.back()).first;
                parser.DefineVar(left, found->second);
            }
            *found->second = value;
        }
    } catch (const mu::Parser::exception_type& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.GetMsg().c_str());
        return 1;
    }
    return 0;
}
