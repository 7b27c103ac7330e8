#include "MessageTexts.h"

namespace xonQMInterpreter {

// One text a line, so the catalogue reads as a list.
// clang-format off
CMessageString msgSystemError() { return "system error"; }
CMessageString msgError() { return "error"; }
CMessageString msgWarning() { return "warning"; }
CMessageString msgLine() { return "line"; }
CMessageString msgPosition() { return "position"; }
CMessageString msgTextIsEmpty() { return "text is empty"; }
CMessageString msgEndOfSentenceMissed() { return "probably, the symbol of the end of the sentence is missed"; }
CMessageString msgUnknownText() { return "the unknown text"; }
CMessageString msgAfterWord() { return "after of the word"; }
CMessageString msgIncorrectVariableName() { return "incorrect name of the variable"; }
CMessageString msgErroneousExpressionOrVariableName() { return "erroneous expression or incorrect name of the variable"; }
CMessageString msgVariableNameIsCommand() { return "the name of a variable coincides with a name of a command"; }
CMessageString msgVariableNameIsConstant() { return "the name of a variable coincides with a name of a constant"; }
CMessageString msgVariableNameIsReservedWord() { return "the name of a variable coincides with the reserved word"; }
CMessageString msgVariableAddingError() { return "error at adding of the new variable"; }
CMessageString msgVariable() { return "variable"; }
CMessageString msgErrorInExpression() { return "error in expression"; }
CMessageString msgExpressionMissed() { return "the expression is missed"; }
CMessageString msgRightBracketMissed() { return "the right bracket is missed"; }
CMessageString msgRightBracketMissedInFunction() { return "probably, the right bracket is missed at a writing of function"; }
CMessageString msgIntegerConversionError() { return "error at conversion of a string into integer"; }
CMessageString msgFloatConversionError() { return "error at conversion of a string into float number"; }
CMessageString msgStdFunctionArgumentsMissed() { return "arguments in standard function are missed"; }
CMessageString msgUserFunctionArgumentsMissed() { return "arguments in user's function are missed"; }
CMessageString msgStdFunctionName() { return "name of a standard function"; }
CMessageString msgUserFunctionName() { return "name of a user function"; }
CMessageString msgFunction() { return "function"; }
CMessageString msgWrongFunctionName() { return "wrong name of function"; }
CMessageString msgFunctionNameIsCommand() { return "the name of function coincides with the name of the command"; }
CMessageString msgFunctionNameIsConstant() { return "the name of function coincides with the name of the constant"; }
CMessageString msgStdFunctionExists() { return "with such name already there is a standard function"; }
CMessageString msgUserFunctionExists() { return "with such name already there is a user function"; }
CMessageString msgAssignSymbolMissedInFunction() { return "probably, the assign symbol is missed at the writing of function"; }
CMessageString msgParameterNameIsCommand() { return "the name of a parameter of the user function coincides with the name of command"; }
CMessageString msgParameterNameIsConstant() { return "the name of a parameter of the user function coincides with the name of constant"; }
CMessageString msgParameterNameIsReservedWord() { return "the name of a parameter of the user function coincides with the reserved word"; }
CMessageString msgProgramError() { return "error of the program"; }
CMessageString msgNodeCreationError() { return "error at creation of node"; }
CMessageString msgNodeAddingError() { return "error at adding of node"; }
CMessageString msgParameterValueError() { return "error in definition of value of parameter"; }
CMessageString msgConstantNotFound() { return "the constant is not found"; }
CMessageString msgVariableNotFound() { return "the varialble is not found"; }
CMessageString msgVariableNotInitialized() { return "the varialble is not initialized"; }
CMessageString msgVariableName() { return "name of a varialble"; }
CMessageString msgParameterNotFound() { return "the parameter is not found"; }
CMessageString msgCommandNotFound() { return "the command is not found"; }
CMessageString msgUnLeftOperatorNotFound() { return "the left-hand operation is not found"; }
CMessageString msgUnLeftOperatorExecutionError() { return "error at execution of the left-hand operation"; }
CMessageString msgFunctionNameNotFound() { return "name for the function is not found"; }
CMessageString msgNotEnoughParameters() { return "there is not enough parameters"; }
CMessageString msgNodeIsNull() { return "the node is null"; }
CMessageString msgChildNodeIsNull() { return "the child node for executable node is null"; }
CMessageString msgBinOperatorChildrenMismatch() { return "the number of parameters for binary operation does not coincide with number of child units"; }
CMessageString msgUnLeftOperatorChildrenMismatch() { return "the number of parameters for left-hand operation does not coincide with number of child units"; }
CMessageString msgNumberOfChildUnits() { return "number of child units"; }
CMessageString msgCommandPerformance() { return "the performance of a command"; }
CMessageString msgUsersFunction() { return "user's function"; }
CMessageString msgVariableNewValueError() { return "error in the definition of new value for a variable"; }
CMessageString msgStdFunctionNotFound() { return "standard function is not found"; }
CMessageString msgUserFunctionNotFound() { return "user function is not found"; }
CMessageString msgCommandName() { return "name of a command"; }
CMessageString msgCommandExecutionError() { return "error at execution of the command"; }
CMessageString msgBinOperatorName() { return "name of a binary operation"; }
CMessageString msgUnLeftOperatorName() { return "name of a left-hand operation"; }
CMessageString msgWrongNumberOfParameters() { return "wrong number of parameters in function"; }
CMessageString msgHasNumberOfParameters() { return "has the following number of parameters"; }
CMessageString msgEstablishedNumberOfParameters() { return "the established number of parameters"; }
CMessageString msgPlusError() { return "error at performance of operation '+'"; }
CMessageString msgMinusError() { return "error at performance of operation '-'"; }
CMessageString msgMultError() { return "error at performance of operation '*'"; }
CMessageString msgDivError() { return "error at performance of operation '/'"; }
CMessageString msgPowerError() { return "error at performance of operation '^'"; }
CMessageString msgDivisionByZero() { return "division by zero"; }
CMessageString msgTooBigNumber() { return "too big number"; }
CMessageString msgNegativeBaseRealExponent() { return "the negative basis at a real parameter"; }
CMessageString msgNegativeParameter() { return "the negative number as parameter is not allowable"; }
CMessageString msgZeroParameter() { return "the zero number as parameter is not allowable"; }
CMessageString msgBinOperatorNotFound() { return "the binary operation is not found"; }
CMessageString msgBinOperatorExecutionError() { return "error at execution of the binary operation"; }
CMessageString msgStdFunctionExecutionError() { return "error at execution of the standard function"; }
CMessageString msgUserFunctionExecutionError() { return "error at execution of the user function"; }
CMessageString msgFunctionParameterError() { return "there is the error at reception of functions parameter"; }
CMessageString msgKindEmpty() { return "empty"; }
CMessageString msgKindContinue() { return "continue"; }
CMessageString msgKindValue() { return "value"; }
CMessageString msgKindConstant() { return "constant"; }
CMessageString msgKindVariable() { return "varialble"; }
CMessageString msgKindParameter() { return "parameter"; }
CMessageString msgKindStdFunction() { return "standard function"; }
CMessageString msgKindUserFunction() { return "user function"; }
CMessageString msgKindCommand() { return "command"; }
CMessageString msgKindBinOperator() { return "binary operation"; }
CMessageString msgKindUnLeftOperator() { return "left-hand operation"; }

CMessageString msgExpressionNestedTooDeeply() { return "the expression is nested too deeply"; }
CMessageString msgCalculationNestedTooDeeply() { return "the calculation is nested too deeply"; }
CMessageString msgCalculationStopped() { return "the calculation is stopped"; }

CMessageString msgUnknownWord(const CMessageString& word) { return "the unknown word: " + word; }
CMessageString msgInadmissibleSymbol(const CMessageString& symbol) { return "inadmissible symbol: " + symbol; }
// clang-format on

CMessageString msgErroneousUseOfSymbol(const CMessageString& word)
{
    return "erroneous use of symbol (of word) '" + word + "'";
}
CMessageString msgSymbolMissedAfter(const CMessageString& symbol, const CMessageString& word)
{
    return "The symbol '" + symbol + "' after of '" + word + "' is probably missed";
}
CMessageString msgParameterOutOfRange(const CMessageString& from, const CMessageString& to)
{
    return "the parameter of function should be within from " + from + " up to " + to;
}

} // namespace xonQMInterpreter
