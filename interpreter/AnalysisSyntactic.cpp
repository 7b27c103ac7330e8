#include "AnalysisSyntactic.h"

#include "AnalysisLexical.h"
#include "Controller.h"
#include "Exceptions.h"
#include "LanguageSymbols.h"
#include "MessageTexts.h"
#include "Node.h"

#include <memory>

namespace xonQMInterpreter {

void CAnalysisSyntactic::setLexer(CAnalysisLexical* lexer)
{
    m_Lexer = lexer;
    addReservedWords();
}

void CAnalysisSyntactic::addReservedWords()
{
    if (m_Lexer == nullptr)
        return;
    for (const TLanguageSymbol& symbol : LANGUAGE_SYMBOLS)
        m_Lexer->addReservedWord(symbol.id, symbol.word, false);
    for (const char* symbol : INADMISSIBLE_SYMBOLS)
        m_Lexer->addInadmissibleSymbol(symbol, false);
}

void CAnalysisSyntactic::setText(const char* text)
{
    if (m_Lexer != nullptr)
        m_Lexer->setText(text);
}

int CAnalysisSyntactic::getTextSize() const
{
    return m_Lexer != nullptr ? m_Lexer->getTextSize() : 0;
}

void CAnalysisSyntactic::reset()
{
    if (m_Lexer != nullptr)
        m_Lexer->reset();
}

template <class TCall>
bool CAnalysisSyntactic::guardLexer(const char* method, TCall call)
{
    if (m_Lexer == nullptr)
        return false;
    try {
        return call();
    } catch (const CStreamException& e) {
        addMessage(msgSystemError() + " (" + e.getCode() + ")", MESSAGE_KIND_SYSTEM_ERROR,
                   e.getLine(), e.getColumn());
    } catch (...) {
        addMessage(msgSystemError() + " (" + method + ")", MESSAGE_KIND_SYSTEM_ERROR);
    }
    return false;
}

bool CAnalysisSyntactic::getNewToken(TTokenOptions& record)
{
    return guardLexer("CAnalysisSyntactic::getToken", [&] {
        return !m_Lexer->isEndOfTokens() && m_Lexer->parseTokenReusing(record);
    });
}

bool CAnalysisSyntactic::matchToken(const TTokenOptions& record)
{
    return guardLexer("CAnalysisSyntactic::matchToken", [&] {
        m_Lexer->matchToken(record);
        return true;
    });
}

bool CAnalysisSyntactic::addMessage(const CMessageString& text, unsigned char kind)
{
    return m_Controller != nullptr && m_Controller->addMessage(text, kind);
}

bool CAnalysisSyntactic::addMessage(const CMessageString& text, unsigned char kind, int line)
{
    return m_Controller != nullptr && m_Controller->addMessage(text, kind, line);
}

bool CAnalysisSyntactic::addMessage(const CMessageString& text, unsigned char kind, int line,
                                    int position)
{
    return m_Controller != nullptr && m_Controller->addMessage(text, kind, line, position);
}

bool CAnalysisSyntactic::addMessageAt(const CMessageString& text, unsigned char kind,
                                      const TTokenOptions& token)
{
    return addMessage(text, kind, token.m_StartLine, token.m_StartColumn);
}

CMessageString CAnalysisSyntactic::afterLastWord(const char* separator, const CTokenString& text)
{
    TTokenOptions& last = m_Tokens[RECORD_LAST];
    last.clear();
    if (m_Lexer == nullptr || !m_Lexer->getLastToken(last) || last.m_Text == text)
        return CMessageString();
    return " " + msgAfterWord() + separator + last.m_Text + "'";
}

bool CAnalysisSyntactic::enterNesting(int line, int column)
{
    if (m_TooDeep)
        return false;
    if (m_Depth >= MAX_NESTING_DEPTH) {
        addMessage(msgExpressionNestedTooDeeply(), MESSAGE_KIND_ERROR, line, column);
        m_TooDeep = true;
        return false;
    }
    ++m_Depth;
    return true;
}

bool CAnalysisSyntactic::attach(CNode* parent, CNode* child)
{
    if (child == nullptr)
        return false;
    if (parent == nullptr)
        return true;
    if (!parent->addChild(child)) {
        delete child;
        return false;
    }
    child->setParent(parent);
    return true;
}

// text -> sentences
bool CAnalysisSyntactic::analyse()
{
    if (m_Lexer == nullptr || m_Controller == nullptr)
        return false;
    m_Depth = 0;
    m_TooDeep = false;
    if (m_Lexer->isEndOfText()) {
        addMessage(msgTextIsEmpty(), MESSAGE_KIND_PLAIN);
        return true;
    }
    analyseSentences();
    return m_Controller->getCountErrors() == 0;
}

// sentences -> { sentence }   (until one fails, the run stops or "exit" ran)
bool CAnalysisSyntactic::analyseSentences()
{
    bool analysed = true;
    while (analysed && !m_Controller->isStop() && !m_Controller->isExit()) {
        if (m_Controller->isStopRequested()) {
            TTokenOptions& last = m_Tokens[RECORD_LAST];
            last.clear();
            m_Lexer->getLastToken(last);
            throw CStopException(last.m_StartLine, last.m_StartColumn);
        }
        analysed = analyseSentence();
    }
    return analysed;
}

// sentence -> ';' | statement ';'
bool CAnalysisSyntactic::analyseSentence()
{
    if (analyseEmptySentence())
        return true;
    if (!analyseStatement() || m_TooDeep)
        return false;
    if (analyseEndOfSentence())
        return true;
    if (checkInadmissibleSymbol() || checkErroneousSymbol() || checkUnknownWord())
        return false;
    if (m_Controller->getCountErrors() > 0)
        return false;
    TTokenOptions& last = m_Tokens[RECORD_LAST];
    last.clear();
    if (m_Lexer != nullptr)
        m_Lexer->getLastToken(last);
    addMessage(msgEndOfSentenceMissed(), MESSAGE_KIND_ERROR, last.m_StartLine);
    return false;
}

// sentence -> ';'
bool CAnalysisSyntactic::analyseEmptySentence()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    return getToken(token) && isSymbol(token, SYMBOL_END_OF_SENTENCE) && matchToken(token);
}

// sentence -> statement ';'   (the closing ';')
bool CAnalysisSyntactic::analyseEndOfSentence()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_END];
    return getToken(token) && isSymbol(token, SYMBOL_END_OF_SENTENCE) && matchToken(token);
}

bool CAnalysisSyntactic::checkInadmissibleSymbol()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_INADMISSIBLE_SYMBOL)
        return false;
    matchToken(token);
    addMessageAt(msgInadmissibleSymbol(token.m_Text), MESSAGE_KIND_ERROR, token);
    return true;
}

bool CAnalysisSyntactic::checkErroneousSymbol()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_GroupId != TOKEN_GROUP_RESERVED)
        return false;
    matchToken(token);
    addMessageAt(msgErroneousUseOfSymbol(token.m_Text), MESSAGE_KIND_ERROR, token);
    return true;
}

bool CAnalysisSyntactic::checkUnknownWord()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_ERRONEOUS_WORD)
        return false;
    matchToken(token);
    addMessageAt(msgUnknownWord(token.m_Text), MESSAGE_KIND_ERROR, token);
    return true;
}

// statement -> variabledef | functiondef | command   (anything else is reported)
bool CAnalysisSyntactic::analyseStatement()
{
    if (analyseVariableDef() || analyseUserFunctionDef() || analyseCommand()
        || analyseMissedAssign())
        return true;
    // Nothing a statement can start with: the text is reported, and the sentence fails with
    // that report alone ("5;" and "+x;" get exactly two messages).
    analyseUnknownText();
    analyseUnknownWord();
    return false;
}

// variabledef -> NAME '=' expression
bool CAnalysisSyntactic::analyseVariableDef()
{
    rewindTokens();
    TTokenOptions& nameToken = m_Tokens[RECORD_NAME];
    TTokenOptions& assign = m_Tokens[RECORD_ASSIGN];
    if (!getToken(nameToken) || nameToken.m_TypeId != TOKEN_TYPE_USER_WORD)
        return false;
    if (!getToken(assign) || !isSymbol(assign, SYMBOL_ASSIGN))
        return false;

    const CNameString name(nameToken.m_Text);
    // Composed only for a message: every statement passes here.
    const auto variable = [&name] { return ", " + msgVariable() + " " + name; };
    CMessageString nameFault;
    if (m_Controller->findCommand(name))
        nameFault = msgVariableNameIsCommand();
    else if (m_Controller->findConstant(name))
        nameFault = msgVariableNameIsConstant();
    else if (m_Lexer->isReservedWord(name))
        nameFault = msgVariableNameIsReservedWord();
    if (!nameFault.isEmpty()) {
        addMessageAt(nameFault + variable(), MESSAGE_KIND_ERROR, nameToken);
        return true;
    }

    matchToken(nameToken);
    matchToken(assign);
    // The statement before this one is evaluated here, before this expression is parsed.
    CNode* root = m_Controller->createNodeVariableDef(nullptr, nameToken.m_StartLine,
                                                      nameToken.m_StartColumn, name);
    if (!m_Controller->setTree(std::unique_ptr<CNode>(root))) {
        addMessageAt(msgNodeAddingError() + ", " + msgKindVariable() + " " + name,
                     MESSAGE_KIND_SYSTEM_ERROR, nameToken);
        return true;
    }
    // The variable exists, uninitialised, before its own expression is read.
    if (!m_Controller->findVariable(name) && !m_Controller->addVariable(name))
        addMessageAt(msgVariableAddingError() + variable(), MESSAGE_KIND_SYSTEM_ERROR, nameToken);
    analyseExpression(root, GRAMMAR_TEXT);
    return true;
}

// command -> COMMANDNAME
bool CAnalysisSyntactic::analyseCommand()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (!getToken(token) || token.m_TypeId != TOKEN_TYPE_USER_WORD)
        return false;
    const CNameString name(token.m_Text);
    if (!m_Controller->findCommand(name))
        return false;
    CNode* root = m_Controller->createNodeCommand(nullptr, token.m_StartLine, token.m_StartColumn,
                                                  name);
    if (!m_Controller->setTree(std::unique_ptr<CNode>(root)))
        addMessageAt(msgNodeAddingError() + ", " + msgKindCommand() + " " + token.m_Text,
                     MESSAGE_KIND_SYSTEM_ERROR, token);
    matchToken(token);
    return true;
}

// missedassign -> (NAME | ERRONEOUSWORD) <not '='>   (reported)
bool CAnalysisSyntactic::analyseMissedAssign()
{
    rewindTokens();
    TTokenOptions& word = m_Tokens[RECORD_NAME];
    if (!getToken(word))
        return false;
    if (word.m_TypeId != TOKEN_TYPE_USER_WORD && word.m_TypeId != TOKEN_TYPE_ERRONEOUS_WORD)
        return false;
    TTokenOptions& next = m_Tokens[RECORD_ASSIGN];
    if (getToken(next) && isSymbol(next, SYMBOL_ASSIGN))
        return false;
    const CMessageString missed = msgSymbolMissedAfter("=", word.m_Text);
    if (word.m_TypeId == TOKEN_TYPE_USER_WORD)
        addMessageAt(missed, MESSAGE_KIND_ERROR, word);
    else
        addMessageAt(msgIncorrectVariableName() + ": '" + word.m_Text + "', " + missed,
                     MESSAGE_KIND_ERROR, word);
    return true;
}

// unknowntext -> <any token>   (reported)
bool CAnalysisSyntactic::analyseUnknownText()
{
    rewindTokens();
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    if (getToken(token))
        addMessageAt(msgUnknownText() + ": '" + token.m_Text + "'", MESSAGE_KIND_ERROR, token);
    return false;
}

// unknownword -> <the raw word at that place>   (reported)
bool CAnalysisSyntactic::analyseUnknownWord()
{
    TTokenOptions& token = m_Tokens[RECORD_PEEK];
    token.clear();
    if (m_Lexer == nullptr)
        return false;
    // The token the unknown text was reported on: the one just peeked, also when the lexer read
    // the token after it together with it ("5;"). Without one, the raw word at that place.
    bool found = m_Lexer->getPreviousToken(token) && token.m_Text.hasNonSpace();
    if (!found) {
        token.clear();
        found = guardLexer("CAnalysisSyntactic::readUnknownWord", [&] {
            m_Lexer->readUnknownWord(token);
            return token.m_Text.hasNonSpace();
        });
    }
    if (!found)
        return false;
    addMessageAt(msgUnknownWord(token.m_Text) + afterLastWord(": '", token.m_Text),
                 MESSAGE_KIND_ERROR, token);
    return true;
}

} // namespace xonQMInterpreter
