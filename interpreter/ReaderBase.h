#pragma once

#include "LimitString.h"
#include "StackStreamIn.h"

namespace xonQMInterpreter {

// What every reader shares: the look-ahead it reads from, the white space it skipped before
// its token, and the group of the tokens it makes.
class CReaderBase
{
public:
    CReaderBase() = default;
    CReaderBase(const CReaderBase&) = delete;
    CReaderBase& operator=(const CReaderBase&) = delete;
    virtual ~CReaderBase() = default;

    // The input is not owned.
    void setStream(CStackStreamIn* input) { m_Input = input; }
    void setGroup(int group) { m_Group = group; }
    const CTokenString& getSpaceText() const { return m_SpaceText; }

protected:
    CStackStreamIn* m_Input = nullptr;
    CTokenString m_SpaceText;
    int m_Group = -1;
};

} // namespace xonQMInterpreter
