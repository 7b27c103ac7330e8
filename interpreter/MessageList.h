#pragma once

#include "LimitString.h"
#include "Limits.h"
#include "MessageKinds.h"

namespace xonQMInterpreter {

// The messages of one run, each formatted into one line when it is added: errors and
// system errors share one list, warnings and plain messages have one each. What does not fit
// is dropped without notice.
class CArrayMessages
{
public:
    CArrayMessages() = default;
    CArrayMessages(const CArrayMessages&) = delete;
    CArrayMessages& operator=(const CArrayMessages&) = delete;

    void addMessage(const CMessageString& text, unsigned char kind, int line, int position);
    void addMessage(const CMessageString& text, unsigned char kind, int line);
    void addMessage(const CMessageString& text, unsigned char kind);

    static constexpr int getMaxCountErrors() { return MAX_COUNT_ERRORS; }
    // Errors and system errors together.
    int getCountErrors() const { return m_CountErrors; }
    int getCountSystemErrors() const { return m_CountSystemErrors; }
    int getCountWarnings() const { return m_CountWarnings; }
    int getCountMessages() const { return m_CountMessages; }

    // Stored line index of a list; empty outside the list.
    CMessageString getError(int index) const;
    CMessageString getWarning(int index) const;
    CMessageString getMessage(int index) const;

    void clear();

private:
    // The line a message is stored as.
    static CMessageString formatMessage(const CMessageString& text, unsigned char kind, int line,
                                        int position);
    static CMessageString formatMessage(const CMessageString& text, unsigned char kind, int line);
    static CMessageString formatMessage(const CMessageString& text, unsigned char kind);
    void add(const CMessageString& line, unsigned char kind);

    int m_CountErrors = 0;
    int m_CountSystemErrors = 0;
    int m_CountWarnings = 0;
    int m_CountMessages = 0;
    CMessageString m_Errors[MAX_COUNT_ERRORS];
    CMessageString m_Warnings[MAX_COUNT_WARNINGS];
    CMessageString m_Messages[MAX_COUNT_MESSAGES];
};

} // namespace xonQMInterpreter
