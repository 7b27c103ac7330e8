#pragma once

#include "LimitString.h"

// Every text the interpreter puts into a message, and every word messages are composed of.
// Callers join them with names, token texts and the separators of each message.
namespace xonQMInterpreter {

CMessageString msgSystemError();
CMessageString msgError();
CMessageString msgWarning();
CMessageString msgLine();
CMessageString msgPosition();
CMessageString msgTextIsEmpty();
CMessageString msgEndOfSentenceMissed();
CMessageString msgUnknownText();
CMessageString msgAfterWord();
CMessageString msgIncorrectVariableName();
CMessageString msgErroneousExpressionOrVariableName();
CMessageString msgVariableNameIsCommand();
CMessageString msgVariableNameIsConstant();
CMessageString msgVariableNameIsReservedWord();
CMessageString msgVariableAddingError();
CMessageString msgVariable();
CMessageString msgErrorInExpression();
CMessageString msgExpressionMissed();
CMessageString msgRightBracketMissed();
CMessageString msgRightBracketMissedInFunction();
CMessageString msgIntegerConversionError();
CMessageString msgFloatConversionError();
CMessageString msgStdFunctionArgumentsMissed();
CMessageString msgUserFunctionArgumentsMissed();
CMessageString msgStdFunctionName();
CMessageString msgUserFunctionName();
CMessageString msgFunction();
CMessageString msgWrongFunctionName();
CMessageString msgFunctionNameIsCommand();
CMessageString msgFunctionNameIsConstant();
CMessageString msgStdFunctionExists();
CMessageString msgUserFunctionExists();
CMessageString msgAssignSymbolMissedInFunction();
CMessageString msgParameterNameIsCommand();
CMessageString msgParameterNameIsConstant();
CMessageString msgParameterNameIsReservedWord();
CMessageString msgProgramError();
CMessageString msgNodeCreationError();
CMessageString msgNodeAddingError();
CMessageString msgParameterValueError();
CMessageString msgConstantNotFound();
CMessageString msgVariableNotFound();
CMessageString msgVariableNotInitialized();
CMessageString msgVariableName();
CMessageString msgParameterNotFound();
CMessageString msgCommandNotFound();
CMessageString msgUnLeftOperatorNotFound();
CMessageString msgUnLeftOperatorExecutionError();
CMessageString msgFunctionNameNotFound();
CMessageString msgNotEnoughParameters();
CMessageString msgNodeIsNull();
CMessageString msgChildNodeIsNull();
CMessageString msgBinOperatorChildrenMismatch();
CMessageString msgUnLeftOperatorChildrenMismatch();
CMessageString msgNumberOfChildUnits();
CMessageString msgCommandPerformance();
CMessageString msgUsersFunction();
CMessageString msgVariableNewValueError();
CMessageString msgStdFunctionNotFound();
CMessageString msgUserFunctionNotFound();
CMessageString msgCommandName();
CMessageString msgCommandExecutionError();
CMessageString msgBinOperatorName();
CMessageString msgUnLeftOperatorName();
CMessageString msgWrongNumberOfParameters();
CMessageString msgHasNumberOfParameters();
CMessageString msgEstablishedNumberOfParameters();
CMessageString msgPlusError();
CMessageString msgMinusError();
CMessageString msgMultError();
CMessageString msgDivError();
CMessageString msgPowerError();
CMessageString msgDivisionByZero();
CMessageString msgTooBigNumber();
CMessageString msgNegativeBaseRealExponent();
CMessageString msgNegativeParameter();
CMessageString msgZeroParameter();
CMessageString msgBinOperatorNotFound();
CMessageString msgBinOperatorExecutionError();
CMessageString msgStdFunctionExecutionError();
CMessageString msgUserFunctionExecutionError();
CMessageString msgFunctionParameterError();
CMessageString msgKindEmpty();
CMessageString msgKindContinue();
CMessageString msgKindValue();
CMessageString msgKindConstant();
CMessageString msgKindVariable();
CMessageString msgKindParameter();
CMessageString msgKindStdFunction();
CMessageString msgKindUserFunction();
CMessageString msgKindCommand();
CMessageString msgKindBinOperator();
CMessageString msgKindUnLeftOperator();

// Texts of the limits that keep hostile texts from exhausting the stack.
CMessageString msgExpressionNestedTooDeeply();
CMessageString msgCalculationNestedTooDeeply();

// Texts joined with their arguments.
CMessageString msgUnknownWord(const CMessageString& word);
CMessageString msgInadmissibleSymbol(const CMessageString& symbol);
CMessageString msgErroneousUseOfSymbol(const CMessageString& word);
CMessageString msgSymbolMissedAfter(const CMessageString& symbol, const CMessageString& word);
CMessageString msgParameterOutOfRange(const CMessageString& from, const CMessageString& to);

} // namespace xonQMInterpreter
