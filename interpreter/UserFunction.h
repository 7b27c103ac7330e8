#pragma once

#include "Function.h"

#include <memory>

namespace xonQMInterpreter {

class CNode;

// A function defined in the calculation text: one value slot per parameter and the body, a
// tree whose root the function owns. A call binds the arguments to the slots and evaluates
// the body; parameter nodes read the slots.
class CUserFunction : public CFunction
{
public:
    CUserFunction(const CNameString& name, const CSignature& signature);
    ~CUserFunction() override;

    CNode* getTree() const { return m_Tree.get(); }
    // False, value untouched, for an index outside the slots.
    bool getParameter(int index, CValue& value) const;

protected:
    C1DArray<CValue> m_ParameterValues;
    std::unique_ptr<CNode> m_Tree;
};

class CUserFunctionImpl : public CUserFunction
{
public:
    CUserFunctionImpl(const CNameString& name, const CSignature& signature);

    bool perform(const C1DArray<CValue>& arguments, CValue& result,
                 CMessageString& errorText) override;
};

} // namespace xonQMInterpreter
