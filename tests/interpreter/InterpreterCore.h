#pragma once

// The interpreter's tables, controller and perform manager wired as the facade wires them,
// for tests that build trees by hand instead of parsing a text.

#include "ArrayCommands.h"
#include "ArrayConstants.h"
#include "ArrayParameters.h"
#include "ArrayStdFunctions.h"
#include "ArrayTrees.h"
#include "ArrayUnLeftOperators.h"
#include "ArrayUserFunctions.h"
#include "ArrayVariables.h"
#include "BinOperators.h"
#include "ControllerImpl.h"
#include "MessageList.h"
#include "NodeKinds.h"
#include "NodePerformManagerImpl.h"
#include "UserFunction.h"

#include <string>
#include <vector>

namespace ombrix_test {

using namespace xonQMInterpreter;

struct CInterpreterCore
{
    CArrayBinOperators binOperators;
    CArrayUnLeftOperators unLeftOperators;
    CArrayCommands commands;
    CArrayConstants constants;
    CArrayVariables variables;
    CArrayParameters parameters;
    CArrayStdFunctions stdFunctions;
    CArrayUserFunctions userFunctions;
    CArrayTrees trees;
    CArrayMessages messages;
    CControllerImpl controller;
    CNodePerformManagerImpl manager;

    CInterpreterCore()
    {
        constants.fill();
        binOperators.fill();
        unLeftOperators.fill();
        stdFunctions.fill();
        userFunctions.fill();
        commands.fill();
        variables.fill();
        parameters.fill();
        trees.fill();
        controller.setNodePerformManager(&manager);
        controller.setArrayBinOperators(&binOperators);
        controller.setArrayUnLeftOperators(&unLeftOperators);
        controller.setArrayCommands(&commands);
        controller.setArrayConstants(&constants);
        controller.setArrayVariables(&variables);
        controller.setArrayParameters(&parameters);
        controller.setArrayStdFunctions(&stdFunctions);
        controller.setArrayUserFunctions(&userFunctions);
        controller.setArrayTrees(&trees);
        controller.setArrayMessages(&messages);
        manager.setController(&controller);
    }

    // The formatted lines of the three lists, errors first, as the windows print them.
    std::vector<std::string> lines() const
    {
        std::vector<std::string> all;
        for (int i = 0; i < messages.getCountErrors(); ++i)
            all.emplace_back(messages.getError(i).c_str());
        for (int i = 0; i < messages.getCountWarnings(); ++i)
            all.emplace_back(messages.getWarning(i).c_str());
        for (int i = 0; i < messages.getCountMessages(); ++i)
            all.emplace_back(messages.getMessage(i).c_str());
        return all;
    }

    // The value of a variable, or a text saying why there is none.
    std::string value(const char* name)
    {
        CValue value;
        if (!variables.getValue(name, value))
            return "<no variable>";
        bool initialised = false;
        variables.isInitialised(name, initialised);
        return initialised ? std::string(value.toString().c_str()) : "<uninitialised>";
    }

    // Node builders: each node is made by the controller under parent, as the parser makes it.
    CNode* number(CNode* parent, double value, int line = 1, int column = 1)
    {
        return controller.createNodeValue(parent, line, column, CValue(value));
    }
    CNode* variable(CNode* parent, const char* name, int line = 1, int column = 1)
    {
        return controller.createNodeVariable(parent, line, column, name);
    }
    CNode* op(CNode* parent, TTypeBinOperator type, int line = 1, int column = 1)
    {
        return controller.createNodeBinOperator(parent, line, column, type);
    }
    // A definition name = (whatever build adds under the root), handed to the controller.
    template <class TBuild>
    void define(const char* name, int line, int column, TBuild build)
    {
        controller.addVariable(name);
        CNode* root = controller.createNodeVariableDef(nullptr, line, column, name);
        controller.setTree(std::unique_ptr<CNode>(root));
        build(root);
    }
    // Evaluates the tree still held, as the facade does after the analysis.
    bool finish()
    {
        bool ok = true;
        for (int i = 0; i < trees.getCount() && !controller.isExit(); ++i)
            ok = trees.perform(i) && ok;
        return ok;
    }
};

} // namespace ombrix_test
