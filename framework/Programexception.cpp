#include "framework/Programexception.h"

namespace {

constexpr int kProgramExceptionCode = -1;

} // namespace

CProgramException::CProgramException(const QString& message)
    : m_Message(message)
    , m_What(message.toUtf8())
{
}

int CProgramException::getCode() const
{
    return kProgramExceptionCode;
}

QString CProgramException::getMessage() const
{
    return m_Message;
}

const char* CProgramException::what() const noexcept
{
    return m_What.constData();
}
