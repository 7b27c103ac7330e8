#pragma once

#include "Value.h"

namespace xonQMInterpreter {

class CNodeEmpty;
class CNodeValue;
class CNodeConstant;
class CNodeVariable;
class CNodeVariableDef;
class CNodeStdFunction;
class CNodeUserFunction;
class CNodeParameter;
class CNodeCommand;
class CNodeBinOperator;
class CNodeUnLeftOperator;

// A node hands its own evaluation to the performer of its kind through this interface
// (double dispatch). Every operation answers true when the node was evaluated.
class CNodePerformManager
{
public:
    CNodePerformManager() = default;
    CNodePerformManager(const CNodePerformManager&) = delete;
    CNodePerformManager& operator=(const CNodePerformManager&) = delete;
    virtual ~CNodePerformManager() = default;

    virtual bool getValueConstant(CNodeConstant* node, CValue& value) = 0;
    virtual bool getValueVariable(CNodeVariable* node, CValue& value) = 0;
    virtual bool performEmpty(CNodeEmpty* node) = 0;
    virtual bool performValue(CNodeValue* node) = 0;
    virtual bool performConstant(CNodeConstant* node) = 0;
    virtual bool performVariable(CNodeVariable* node) = 0;
    virtual bool performVariableDef(CNodeVariableDef* node) = 0;
    virtual bool performStdFunction(CNodeStdFunction* node) = 0;
    virtual bool performUserFunction(CNodeUserFunction* node) = 0;
    virtual bool performParameter(CNodeParameter* node) = 0;
    virtual bool performCommand(CNodeCommand* node) = 0;
    virtual bool performBinOperator(CNodeBinOperator* node) = 0;
    virtual bool performUnLeftOperator(CNodeUnLeftOperator* node) = 0;
};

} // namespace xonQMInterpreter
