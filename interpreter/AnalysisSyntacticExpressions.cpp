// The expression grammar, shared by the expressions of the text and the bodies of user
// functions (whose names are parameters instead of variables).

#include "AnalysisLexical.h"
#include "AnalysisSyntactic.h"
#include "Controller.h"
#include "LanguageSymbols.h"
#include "MessageTexts.h"
#include "Node.h"
#include "UserFunction.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

namespace xonQMInterpreter {

namespace {

// The power of ten of a number literal's leading digit; overflow and underflow of a literal
// are told apart by it.
long long decimalMagnitude(const char* text, const char* end)
{
    long long leading = 0;
    bool seenDigit = false;
    bool inFraction = false;
    const char* p = text;
    for (; p < end && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        if (!seenDigit && *p == '0') {
            if (inFraction)
                --leading;
            continue;
        }
        if (!seenDigit) {
            seenDigit = true;
            if (inFraction)
                --leading;
        } else if (!inFraction) {
            ++leading;
        }
    }
    long long exponent = 0;
    if (p < end) {
        ++p;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        for (; p < end && exponent < 1000000000LL; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent;
}

// Decimal digits with an optional fraction and exponent, read without the process locale.
// A literal too large for a double fails; one too small becomes 0.
bool convertNumber(const CTokenString& text, double& value)
{
    const char* begin = text.c_str();
    const char* end = begin + text.length();
    double converted = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, converted, std::chars_format::general);
    if (stop != end || begin == end)
        return false;
    if (error == std::errc()) {
        value = converted;
        return true;
    }
    if (error == std::errc::result_out_of_range && decimalMagnitude(begin, end) < 0) {
        value = 0.0;
        return true;
    }
    return false;
}

} // namespace

// One part of a message: a text, a bounded string, or a text function called only here.
template <int N>
static void appendPart(CMessageString& text, const CLimitString<N>& part)
{
    text.append(part);
}
static void appendPart(CMessageString& text, const char* part)
{
    text.append(part);
}
static void appendPart(CMessageString& text, CMessageString (*part)())
{
    text.append(part());
}

template <class... TParts>
void CAnalysisSyntactic::reportMessage(unsigned char kind, int line, int column,
                                       const TParts&... parts)
{
    m_Text.clear();
    (appendPart(m_Text, parts), ...);
    addMessage(m_Text, kind, line, column);
}

void CAnalysisSyntactic::reportDefensive(const char* code, unsigned char kind, const CNode* node)
{
    m_Text = msgSystemError() + " (" + code + ")";
    if (node == nullptr)
        addMessage(m_Text, kind);
    else
        addMessage(m_Text, kind, node->getLine(), node->getColumn());
}

// expression -> adding
CNode* CAnalysisSyntactic::analyseExpression(CNode* parent, TGrammar grammar)
{
    return analyseAdding(parent, grammar);
}

// One level of a left-associative chain: its operands, its operators, and the code reported
// when an operator finds no operand after it.
struct CAnalysisSyntactic::TChainLevel
{
    CNode* (CAnalysisSyntactic::*operand)(CNode*, bool, TGrammar);
    CNode* (CAnalysisSyntactic::*operatorStep)(CNode*);
    const char* code;
    const char* bodyCode;
};

// chain -> item { operator item }   (left-associative)
// a - b - c is "-" over ("-" over a and b) and c: each operator takes the chain so far as its
// first child. The chain is built without a parent and attached to it at the end.
CNode* CAnalysisSyntactic::analyseLeftChain(CNode* parent, bool signAllowed, TGrammar grammar,
                                            const TChainLevel& level)
{
    rewindTokens();
    CNode* top = (this->*level.operand)(nullptr, signAllowed, grammar);
    if (top == nullptr)
        return nullptr;
    while (!m_TooDeep) {
        CNode* op = (this->*level.operatorStep)(nullptr);
        if (op == nullptr)
            break;
        attach(op, top);
        top = op;
        if (!attach(op, (this->*level.operand)(nullptr, false, grammar)))
            reportDefensive(grammar == GRAMMAR_BODY ? level.bodyCode : level.code,
                            MESSAGE_KIND_ERROR, op);
    }
    attach(parent, top);
    return top;
}

// adding -> mult { ('+' | '-') mult }
CNode* CAnalysisSyntactic::analyseAdding(CNode* parent, TGrammar grammar)
{
    static constexpr TChainLevel terms{&CAnalysisSyntactic::analyseMult,
                                       &CAnalysisSyntactic::analyseAddingOperator,
                                       "ERROR_ADDING_00001", "ERROR_ADDINGPARAM_00001"};
    return analyseLeftChain(parent, true, grammar, terms);
}

// mult -> power { ('*' | '/') power }
CNode* CAnalysisSyntactic::analyseMult(CNode* parent, bool signAllowed, TGrammar grammar)
{
    static constexpr TChainLevel factors{&CAnalysisSyntactic::analysePower,
                                         &CAnalysisSyntactic::analyseMultOperator,
                                         "ERROR_MULT_00001", "ERROR_MULTPARAM_00001"};
    return analyseLeftChain(parent, signAllowed, grammar, factors);
}

// power -> (signedoperand | operand) { '^' operand }   (right-associative; the sign
//    only where the expression starts)
CNode* CAnalysisSyntactic::analysePower(CNode* parent, bool signAllowed, TGrammar grammar)
{
    rewindTokens();
    CNode* operand = signAllowed ? analyseSignedOperand(nullptr, grammar)
                                 : analyseOperand(nullptr, grammar);
    if (operand == nullptr)
        return nullptr;
    // a ^ b ^ c is "^" over a and ("^" over b and c): each "^" is made under the one before,
    // takes the operand read before it as its first child, and the last operand closes the
    // chain. Each "^" nests the evaluation one level deeper.
    CNode* top = nullptr;
    CNode* last = nullptr;
    int levels = 0;
    while (!m_TooDeep) {
        CNode* op = analysePowerOperator(last);
        if (op == nullptr)
            break;
        if (top == nullptr)
            top = op;
        last = op;
        attach(op, operand);
        if (!enterNesting(op->getLine(), op->getColumn())) {
            operand = m_Controller->createNodeEmpty(nullptr, op->getLine(), op->getColumn());
            break;
        }
        ++levels;
        operand = analyseOperand(nullptr, grammar);
        if (operand == nullptr) {
            m_Depth -= levels;
            delete top;
            return nullptr;
        }
    }
    m_Depth -= levels;
    if (top == nullptr) {
        attach(parent, operand);
        return operand;
    }
    attach(last, operand);
    attach(parent, top);
    return top;
}

// signedoperand -> [ '+' | '-' ] operand
CNode* CAnalysisSyntactic::analyseSignedOperand(CNode* parent, TGrammar grammar)
{
    CNode* unary = analyseUnLeftOperator(parent);
    if (unary == nullptr)
        return analyseOperand(parent, grammar);
    if (analyseOperand(unary, grammar) == nullptr)
        reportMessage(MESSAGE_KIND_ERROR, unary->getLine(), unary->getColumn(),
                      msgErrorInExpression, ", ", msgExpressionMissed);
    return unary;
}

// operand -> number | constant | functioncall | variable | brackets
//            | erroneousvariable | expressionerror
//    (body grammar: parameter in place of variable, no erroneousvariable)
CNode* CAnalysisSyntactic::analyseOperand(CNode* parent, TGrammar grammar)
{
    if (CNode* node = analyseNumber(parent))
        return node;
    if (CNode* node = analyseConstant(parent))
        return node;
    if (CNode* node = analyseFunctionCall(parent, grammar))
        return node;
    if (CNode* node = grammar == GRAMMAR_BODY ? analyseParameter(parent) : analyseVariable(parent))
        return node;
    if (CNode* node = analyseBrackets(parent, grammar))
        return node;
    if (grammar == GRAMMAR_TEXT)
        if (CNode* node = analyseErroneousVariable(parent))
            return node;
    return analyseExpressionError(parent);
}

// operator -> first | second
CNode* CAnalysisSyntactic::analyseOperatorToken(CNode* parent, int firstId, int secondId,
                                                bool unary)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || !(isSymbol(token, firstId) || isSymbol(token, secondId)))
        return nullptr;
    matchToken(token);
    const bool first = token.m_TypeId == firstId;
    if (unary)
        return m_Controller->createNodeUnLeftOperator(parent, token.m_StartLine,
                                                      token.m_StartColumn,
                                                      first ? UNLEFT_OPERATOR_PLUS
                                                            : UNLEFT_OPERATOR_MINUS);
    TTypeBinOperator type = BIN_OPERATOR_NONE;
    switch (token.m_TypeId) {
    case SYMBOL_PLUS:
        type = BIN_OPERATOR_PLUS;
        break;
    case SYMBOL_MINUS:
        type = BIN_OPERATOR_MINUS;
        break;
    case SYMBOL_MULT:
        type = BIN_OPERATOR_MULT;
        break;
    case SYMBOL_DIV:
        type = BIN_OPERATOR_DIV;
        break;
    case SYMBOL_POWER:
        type = BIN_OPERATOR_POWER;
        break;
    default:
        break;
    }
    return m_Controller->createNodeBinOperator(parent, token.m_StartLine, token.m_StartColumn,
                                               type);
}

// unleftop -> '+' | '-'
CNode* CAnalysisSyntactic::analyseUnLeftOperator(CNode* parent)
{
    return analyseOperatorToken(parent, SYMBOL_PLUS, SYMBOL_MINUS, true);
}

// addingop -> '+' | '-'
CNode* CAnalysisSyntactic::analyseAddingOperator(CNode* parent)
{
    return analyseOperatorToken(parent, SYMBOL_PLUS, SYMBOL_MINUS, false);
}

// multop -> '*' | '/'
CNode* CAnalysisSyntactic::analyseMultOperator(CNode* parent)
{
    return analyseOperatorToken(parent, SYMBOL_MULT, SYMBOL_DIV, false);
}

// powerop -> '^'
CNode* CAnalysisSyntactic::analysePowerOperator(CNode* parent)
{
    return analyseOperatorToken(parent, SYMBOL_POWER, SYMBOL_POWER, false);
}

// number -> FLOAT | INTEGER
CNode* CAnalysisSyntactic::analyseNumber(CNode* parent)
{
    if (CNode* node = analyseFloat(parent))
        return node;
    return analyseInteger(parent);
}

// number -> FLOAT | INTEGER   (the one asked for)
CNode* CAnalysisSyntactic::analyseNumberToken(CNode* parent, int type,
                                              CMessageString (*conversionError)())
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != type)
        return nullptr;
    matchToken(token);
    double value = 0.0;
    if (!convertNumber(token.m_Text, value)) {
        value = 0.0;
        addMessageAt(conversionError(), MESSAGE_KIND_SYSTEM_ERROR, token);
    }
    return m_Controller->createNodeValue(parent, token.m_StartLine, token.m_StartColumn,
                                         CValue(value));
}

// number -> FLOAT
CNode* CAnalysisSyntactic::analyseFloat(CNode* parent)
{
    return analyseNumberToken(parent, TOKEN_TYPE_FLOAT, msgFloatConversionError);
}

// number -> INTEGER
CNode* CAnalysisSyntactic::analyseInteger(CNode* parent)
{
    return analyseNumberToken(parent, TOKEN_TYPE_INTEGER, msgIntegerConversionError);
}

// constant -> CONSTANTNAME
CNode* CAnalysisSyntactic::analyseConstant(CNode* parent)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
        return nullptr;
    const CNameString name(token.m_Text);
    if (!m_Controller->findConstant(name))
        return nullptr;
    matchToken(token);
    return m_Controller->createNodeConstant(parent, token.m_StartLine, token.m_StartColumn, name);
}

// variable -> VARIABLENAME
CNode* CAnalysisSyntactic::analyseVariable(CNode* parent)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
        return nullptr;
    const CNameString name(token.m_Text);
    if (!m_Controller->findVariable(name))
        return nullptr;
    matchToken(token);
    return m_Controller->createNodeVariable(parent, token.m_StartLine, token.m_StartColumn, name);
}

// parameter -> PARAMETERNAME
CNode* CAnalysisSyntactic::analyseParameter(CNode* parent)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
        return nullptr;
    int index = -1;
    if (!m_Controller->findParameter(CNameString(token.m_Text), index))
        return nullptr;
    matchToken(token);
    return m_Controller->createNodeParameter(parent, token.m_StartLine, token.m_StartColumn, index);
}

// erroneousvariable -> ERRONEOUSWORD   (reported, kept as a variable)
CNode* CAnalysisSyntactic::analyseErroneousVariable(CNode* parent)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_ERRONEOUS_WORD)
        return nullptr;
    matchToken(token);
    addMessageAt(msgErroneousExpressionOrVariableName() + ": '" + token.m_Text + "'",
                 MESSAGE_KIND_ERROR, token);
    return m_Controller->createNodeVariable(parent, token.m_StartLine, token.m_StartColumn,
                                            CNameString(token.m_Text));
}

// What tells a call of a standard function from a call of a user function.
struct CAnalysisSyntactic::TCallKind
{
    bool (CController::*find)(const CNameString&, CSignature&);
    CNode* (CController::*create)(CNode*, int, int, const CNameString&);
    CMessageString (*argumentsMissed)();
    CMessageString (*nameWord)();
    bool userFunction;
};

// functioncall -> stdcall | usercall
CNode* CAnalysisSyntactic::analyseFunctionCall(CNode* parent, TGrammar grammar)
{
    if (CNode* node = analyseStdFunction(parent, grammar))
        return node;
    return analyseUserFunction(parent, grammar);
}

// stdcall -> STDFUNCTIONNAME '(' [ exprlist ] ')'
CNode* CAnalysisSyntactic::analyseStdFunction(CNode* parent, TGrammar grammar)
{
    static const TCallKind kind{&CController::findStdFunction, &CController::createNodeStdFunction,
                                msgStdFunctionArgumentsMissed, msgStdFunctionName, false};
    return analyseCall(parent, grammar, kind);
}

// usercall -> USERFUNCTIONNAME '(' [ exprlist ] ')'   (a body does not call
//    its own function)
CNode* CAnalysisSyntactic::analyseUserFunction(CNode* parent, TGrammar grammar)
{
    static const TCallKind kind{&CController::findUserFunction,
                                &CController::createNodeUserFunction,
                                msgUserFunctionArgumentsMissed, msgUserFunctionName, true};
    return analyseCall(parent, grammar, kind);
}

// call -> FUNCTIONNAME '(' [ exprlist ] ')'
CNode* CAnalysisSyntactic::analyseCall(CNode* parent, TGrammar grammar, const TCallKind& kind)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
        return nullptr;
    // The name and its place are kept rather than the whole token: calls nest deeply.
    const CNameString name(token.m_Text);
    const int line = token.m_StartLine;
    const int column = token.m_StartColumn;
    CSignature signature;
    if (kind.userFunction) {
        CSignature standard;
        if (m_Controller->findStdFunction(name, standard))
            return nullptr;
        // A body cannot call the function it defines.
        const CUserFunction* current = m_Controller->getCurrentUserFunction();
        if (grammar == GRAMMAR_BODY && current != nullptr && current->getName() == name)
            return nullptr;
    }
    if (!(m_Controller->*kind.find)(name, signature))
        return nullptr;
    if (!getToken(token) || !isSymbol(token, SYMBOL_LEFT_BRACKET))
        return nullptr;
    if (!enterNesting(line, column))
        return m_Controller->createNodeEmpty(parent, line, column);
    // Both tokens are still read ahead: consume the name, then the bracket.
    for (int i = 0; i < 2; ++i) {
        rewindTokens();
        if (getToken(token))
            matchToken(token);
    }

    CNode* call = (m_Controller->*kind.create)(parent, line, column, name);
    bool closed = false;
    if (call != nullptr) {
        rewindTokens();
        if (getToken(token) && isSymbol(token, SYMBOL_RIGHT_BRACKET)) {
            matchToken(token);
            closed = true;
            if (signature.getCountParameters() > 0)
                reportMessage(MESSAGE_KIND_ERROR, line, column, kind.argumentsMissed, ", ",
                              kind.nameWord, ": '", name, "'");
        } else if (signature.getCountParameters() > 0) {
            analyseExprList(call, signature, grammar);
        } else {
            reportMessage(MESSAGE_KIND_ERROR, line, column, msgRightBracketMissedInFunction, " '",
                          name, "'");
        }
    }
    if (!closed && !m_TooDeep) {
        rewindTokens();
        if (getToken(token)) {
            if (isSymbol(token, SYMBOL_RIGHT_BRACKET))
                matchToken(token);
            else
                reportMessage(MESSAGE_KIND_ERROR, line, column, msgRightBracketMissedInFunction,
                              " '", name, "'");
        }
    }
    leaveNesting();
    return call;
}

// exprlist -> expression { ',' expression }
bool CAnalysisSyntactic::analyseExprList(CNode* call, const CSignature& signature, TGrammar grammar)
{
    if (signature.getCountParameters() == 0)
        return true;
    if (call == nullptr) {
        reportDefensive(grammar == GRAMMAR_BODY ? "ERROR_EXPRLISTPARAM_00001"
                                                : "ERROR_EXPRLIST_00001",
                        MESSAGE_KIND_SYSTEM_ERROR, nullptr);
        return false;
    }
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    while (!m_TooDeep) {
        rewindTokens();
        if (analyseExpression(call, grammar) == nullptr)
            return false;
        rewindTokens();
        if (!getToken(token) || !isSymbol(token, SYMBOL_COMMA))
            break;
        matchToken(token);
    }
    return true;
}

// brackets -> '(' expression ')'
CNode* CAnalysisSyntactic::analyseBrackets(CNode* parent, TGrammar grammar)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || !isSymbol(token, SYMBOL_LEFT_BRACKET))
        return nullptr;
    if (!enterNesting(token.m_StartLine, token.m_StartColumn))
        return m_Controller->createNodeEmpty(parent, token.m_StartLine, token.m_StartColumn);
    matchToken(token);
    CNode* inner = analyseExpression(parent, grammar);
    leaveNesting();
    if (m_TooDeep)
        return inner;
    rewindTokens();
    if (getToken(token)) {
        if (isSymbol(token, SYMBOL_RIGHT_BRACKET))
            matchToken(token);
        else
            reportMessage(MESSAGE_KIND_ERROR, token.m_StartLine, token.m_StartColumn,
                          grammar == GRAMMAR_BODY ? msgRightBracketMissedInFunction
                                                  : msgRightBracketMissed);
    }
    return inner;
}

// expressionerror -> <any token>   (reported; an empty node keeps the
//    operand's place)
CNode* CAnalysisSyntactic::analyseExpressionError(CNode* parent)
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    const CMessageString lead = msgErrorInExpression() + ", ";
    if (!getToken(token)) {
        addMessage(msgErrorInExpression(), MESSAGE_KIND_ERROR);
    } else if (isSymbol(token, SYMBOL_END_OF_SENTENCE)) {
        addMessageAt(lead + msgExpressionMissed() + afterLastWord(" '", token.m_Text),
                     MESSAGE_KIND_ERROR, token);
    } else if (token.m_GroupId == TOKEN_GROUP_RESERVED) {
        addMessageAt(lead + msgErroneousUseOfSymbol(token.m_Text)
                         + afterLastWord(" '", token.m_Text),
                     MESSAGE_KIND_ERROR, token);
    } else if (token.m_TypeId == TOKEN_TYPE_INADMISSIBLE_SYMBOL) {
        matchToken(token);
        addMessageAt(lead + msgInadmissibleSymbol(token.m_Text), MESSAGE_KIND_ERROR, token);
    } else {
        matchToken(token);
        addMessageAt(lead + msgUnknownWord(token.m_Text), MESSAGE_KIND_ERROR, token);
    }
    return m_Controller->createNodeEmpty(parent, token.m_StartLine, token.m_StartColumn);
}

} // namespace xonQMInterpreter
