// Definitions of user functions: name "(" parameters ")" "=" expression over the parameters.

#include "AnalysisLexical.h"
#include "AnalysisSyntactic.h"
#include "Controller.h"
#include "LanguageSymbols.h"
#include "MessageTexts.h"
#include "Node.h"
#include "UserFunction.h"

namespace xonQMInterpreter {

// functiondef -> NAME '(' parameters ')' '=' expression   (body grammar)
bool CAnalysisSyntactic::analyseUserFunctionDef()
{
    rewindTokens();
    TTokenOptions& nameToken = m_Tokens[RECORD_FUNCTION];
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(nameToken))
        return false;
    const bool erroneous = nameToken.m_TypeId == TOKEN_TYPE_ERRONEOUS_WORD;
    if (nameToken.m_TypeId != TOKEN_TYPE_USER_WORD && !erroneous)
        return false;
    if (!getToken(token) || !isSymbol(token, SYMBOL_LEFT_BRACKET))
        return false;

    const CNameString name(nameToken.m_Text);
    // Composed only for a message: every definition passes here.
    const auto quoted = [&name] { return " '" + name + "'"; };
    const auto function = [&] { return ", " + msgFunction() + quoted(); };
    if (erroneous)
        addMessageAt(msgWrongFunctionName() + function(), MESSAGE_KIND_ERROR, nameToken);
    // Only the first fault of the name is told; the definition goes on under the name written.
    CSignature scratch;
    CMessageString nameFault;
    if (m_Controller->findCommand(name))
        nameFault = msgFunctionNameIsCommand() + function();
    else if (m_Controller->findConstant(name))
        nameFault = msgFunctionNameIsConstant() + function();
    else if (m_Lexer->isReservedWord(name))
        nameFault = msgWrongFunctionName() + quoted();
    else if (m_Controller->findStdFunction(name, scratch))
        nameFault = msgStdFunctionExists() + quoted();
    else if (m_Controller->findUserFunction(name, scratch))
        nameFault = msgUserFunctionExists() + quoted();
    if (!nameFault.isEmpty())
        addMessageAt(nameFault, MESSAGE_KIND_ERROR, nameToken);

    matchToken(nameToken);
    matchToken(token);
    CSignature signature;
    analyseUserFunctionParameters(signature);

    // Registered before its body is read, so it takes part in later lookups even when the
    // definition reports faults.
    CUserFunction* defined = nullptr;
    const bool added = m_Controller->addUserFunction(name, signature, defined);
    m_Controller->setCurrentUserFunction(defined);
    if (!added || defined == nullptr) {
        addMessageAt(msgSystemError() + " (ERROR_INITFUNC_00001)", MESSAGE_KIND_SYSTEM_ERROR,
                     nameToken);
        return false;
    }

    rewindTokens();
    if (getToken(token) && isSymbol(token, SYMBOL_RIGHT_BRACKET))
        matchToken(token);
    else
        addMessageAt(msgRightBracketMissedInFunction() + quoted(), MESSAGE_KIND_ERROR, nameToken);
    rewindTokens();
    if (getToken(token) && isSymbol(token, SYMBOL_ASSIGN))
        matchToken(token);
    else
        addMessageAt(msgAssignSymbolMissedInFunction() + quoted(), MESSAGE_KIND_ERROR, nameToken);

    analyseExpression(defined->getTree(), GRAMMAR_BODY);
    m_Controller->clearParameters();
    m_Controller->setCurrentUserFunction(nullptr);
    return true;
}

// parameters -> [ NAME { ',' NAME } ]
bool CAnalysisSyntactic::analyseUserFunctionParameters(CSignature& signature)
{
    signature.set(CSignature::DEFAULT_KIND, 0);
    m_Controller->clearParameters();
    int count = 0;
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    while (true) {
        rewindTokens();
        if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
            break;
        const CNameString name(token.m_Text);
        const auto quoted = [&name] { return " '" + name + "'"; };
        CMessageString nameFault;
        if (m_Controller->findCommand(name))
            nameFault = msgParameterNameIsCommand() + quoted();
        else if (m_Controller->findConstant(name))
            nameFault = msgParameterNameIsConstant() + quoted();
        else if (m_Lexer->isReservedWord(name))
            nameFault = msgParameterNameIsReservedWord() + quoted();
        if (!nameFault.isEmpty()) {
            addMessageAt(nameFault, MESSAGE_KIND_ERROR, token);
            break;
        }
        matchToken(token);
        int index = 0;
        m_Controller->addParameter(name, index);
        ++count;
        rewindTokens();
        if (!getToken(token) || !isSymbol(token, SYMBOL_COMMA))
            break;
        matchToken(token);
    }
    signature.set(CSignature::DEFAULT_KIND, count);
    return count > 0;
}

} // namespace xonQMInterpreter
