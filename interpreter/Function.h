#pragma once

#include "Containers.h"
#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// What a function expects of a call: a kind (always 1 here) and the number of parameters,
// never negative.
class CSignature
{
public:
    static constexpr unsigned char DEFAULT_KIND = 1;

    CSignature() = default;
    CSignature(unsigned char kind, int countParameters) { set(kind, countParameters); }
    virtual ~CSignature() = default;

    void set(unsigned char kind, int countParameters)
    {
        m_Kind = kind;
        m_CountParameters = countParameters < 0 ? 0 : countParameters;
    }
    void reset() { set(DEFAULT_KIND, 0); }
    unsigned char getKind() const { return m_Kind; }
    int getCountParameters() const { return m_CountParameters; }

private:
    unsigned char m_Kind = DEFAULT_KIND;
    int m_CountParameters = 0;
};

// The base of standard and user functions: a name, a signature and a computation that never
// throws and reports failure through its error text.
class CFunction
{
public:
    CFunction() = default;
    CFunction(const CNameString& name, const CSignature& signature)
        : m_Name(name)
        , m_Signature(signature)
    {
    }
    CFunction(const CFunction&) = delete;
    CFunction& operator=(const CFunction&) = delete;
    virtual ~CFunction() = default;

    // On success writes the result and answers true; on failure leaves the result as it was
    // and writes the reason into errorText.
    virtual bool perform(const C1DArray<CValue>& arguments, CValue& result,
                         CMessageString& errorText) = 0;

    const CNameString& getName() const { return m_Name; }
    const CSignature& getSignature() const { return m_Signature; }
    int getCountParameters() const { return m_Signature.getCountParameters(); }
    // True when count matches the signature; otherwise the argument-count text.
    bool checkCountParameters(int count, CMessageString& errorText) const;

protected:
    CNameString m_Name;
    CSignature m_Signature;
};

} // namespace xonQMInterpreter
