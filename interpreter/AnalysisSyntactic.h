#pragma once

#include "AnalysisLexical.h"
#include "BinOperators.h"
#include "Function.h"
#include "LimitString.h"
#include "TokenOptions.h"
#include "UnLeftOperators.h"

namespace xonQMInterpreter {

class CController;
class CNode;

// The recursive-descent parser of the calculation language. It pulls tokens from the lexer,
// builds one statement tree per statement through the controller, which evaluates each tree
// as the next one arrives, and reports every fault of the text as a message.
//
// Every step rewinds the look-ahead to the first unconsumed token, peeks what it needs and
// consumes only once it has decided, so a step that declines leaves the tokens to the next.
//
// Each analyse step carries its grammar rule: lower-case words are rules, upper-case words
// tokens, quoted text symbols, { } repeats, [ ] may be left out. A user function's body is
// parsed by the same steps in their body grammar.
class CAnalysisSyntactic
{
public:
    CAnalysisSyntactic() = default;
    CAnalysisSyntactic(const CAnalysisSyntactic&) = delete;
    CAnalysisSyntactic& operator=(const CAnalysisSyntactic&) = delete;
    virtual ~CAnalysisSyntactic() = default;

    // Also registers the language's symbols with the lexer.
    void setLexer(CAnalysisLexical* lexer);
    void setController(CController* controller) { m_Controller = controller; }
    void setText(const char* text);
    int getTextSize() const;
    void reset();
    // Parses the whole text; true when no error was reported.
    bool analyse();

private:
    // Which grammar an expression follows: outside a user function's body its names are
    // variables; inside they are the function's parameters.
    enum TGrammar : unsigned char { GRAMMAR_TEXT, GRAMMAR_BODY };

    // The scratch token records; each step peeks into a fixed one, so that a statement's
    // leading token survives the parse of the expression after it.
    enum TRecord : unsigned char {
        RECORD_PEEK = 0,
        RECORD_LAST = 1,
        RECORD_END = 3,
        RECORD_NAME = 4,
        RECORD_ASSIGN = 5,
        RECORD_FUNCTION = 6,
        RECORD_COUNT = 7,
    };

    void addReservedWords();

    // Token access; lexer faults become system-error messages. Inline: every step of the
    // parser rewinds and peeks.
    void rewindTokens()
    {
        if (m_Lexer != nullptr)
            m_Lexer->resetCurrentToken();
    }
    // Runs a lexer operation; a lexer fault becomes a system-error message and false.
    template <class TCall>
    bool guardLexer(const char* method, TCall call);
    bool getToken(TTokenOptions& record)
    {
        // Most peeks find a token read ahead, which is handed over without the guard: nothing
        // can fail there.
        if (m_Lexer != nullptr && m_Lexer->takeHeldToken(record))
            return true;
        return getNewToken(record);
    }
    bool getNewToken(TTokenOptions& record);
    bool matchToken(const TTokenOptions& record);
    bool addMessage(const CMessageString& text, unsigned char kind);
    bool addMessage(const CMessageString& text, unsigned char kind, int line);
    bool addMessage(const CMessageString& text, unsigned char kind, int line, int position);
    bool addMessageAt(const CMessageString& text, unsigned char kind, const TTokenOptions& token);
    // " after of the word" + separator + the last consumed token, when it differs from text.
    CMessageString afterLastWord(const char* separator, const CTokenString& text);

    // Sentences and statements.
    bool analyseSentences();
    bool analyseSentence();
    bool analyseEmptySentence();
    bool analyseEndOfSentence();
    bool analyseStatement();
    bool analyseVariableDef();
    bool analyseCommand();
    bool analyseMissedAssign();
    bool analyseUnknownText();
    bool analyseUnknownWord();
    bool checkInadmissibleSymbol();
    bool checkErroneousSymbol();
    bool checkUnknownWord();

    // User-function definitions.
    bool analyseUserFunctionDef();
    bool analyseUserFunctionParameters(CSignature& signature);

    // Expressions: each step takes the parent its result goes under (or none) and returns the
    // node it made (or none when it declines).
    CNode* analyseExpression(CNode* parent, TGrammar grammar);
    CNode* analyseAdding(CNode* parent, TGrammar grammar);
    CNode* analyseMult(CNode* parent, bool signAllowed, TGrammar grammar);
    CNode* analysePower(CNode* parent, bool signAllowed, TGrammar grammar);
    CNode* analyseSignedOperand(CNode* parent, TGrammar grammar);
    CNode* analyseOperand(CNode* parent, TGrammar grammar);
    CNode* analyseUnLeftOperator(CNode* parent);
    CNode* analyseAddingOperator(CNode* parent);
    CNode* analyseMultOperator(CNode* parent);
    CNode* analysePowerOperator(CNode* parent);
    CNode* analyseNumber(CNode* parent);
    CNode* analyseFloat(CNode* parent);
    CNode* analyseInteger(CNode* parent);
    CNode* analyseConstant(CNode* parent);
    CNode* analyseVariable(CNode* parent);
    CNode* analyseParameter(CNode* parent);
    CNode* analyseErroneousVariable(CNode* parent);
    CNode* analyseFunctionCall(CNode* parent, TGrammar grammar);
    CNode* analyseStdFunction(CNode* parent, TGrammar grammar);
    CNode* analyseUserFunction(CNode* parent, TGrammar grammar);
    bool analyseExprList(CNode* call, const CSignature& signature, TGrammar grammar);
    CNode* analyseBrackets(CNode* parent, TGrammar grammar);
    CNode* analyseExpressionError(CNode* parent);

    // A left-associative chain of operands and operators (terms, factors).
    struct TChainLevel;
    CNode* analyseLeftChain(CNode* parent, bool signAllowed, TGrammar grammar,
                            const TChainLevel& level);
    // A call of a standard or user function: the two differ only in their lookups and words.
    struct TCallKind;
    CNode* analyseCall(CNode* parent, TGrammar grammar, const TCallKind& kind);
    // An operator token of the given ids becomes an operator node.
    CNode* analyseOperatorToken(CNode* parent, int firstId, int secondId, bool unary);
    CNode* analyseNumberToken(CNode* parent, int type, CMessageString (*conversionError)());

    // Messages of the expression steps are composed out of line, in the message text:
    // expressions recurse as deep as brackets and calls nest, so their frames stay small.
    template <class... TParts>
    [[gnu::noinline]] void reportMessage(unsigned char kind, int line, int column,
                                         const TParts&... parts);
    // "system error (code)" of the checks that only a failing node factory reaches.
    [[gnu::noinline]] void reportDefensive(const char* code, unsigned char kind, const CNode* node);

    // Nesting of brackets, calls and power chains is bounded so that no text can exhaust the
    // stack; past the bound the analysis ends with a message.
    bool enterNesting(int line, int column);
    void leaveNesting() { --m_Depth; }
    // Makes child the last child of parent (when there is one) and fixes its parent link.
    bool attach(CNode* parent, CNode* child);

    CAnalysisLexical* m_Lexer = nullptr;
    CController* m_Controller = nullptr;
    TTokenOptions m_Tokens[RECORD_COUNT];
    CMessageString m_Text;
    int m_Depth = 0;
    bool m_TooDeep = false;
};

} // namespace xonQMInterpreter
