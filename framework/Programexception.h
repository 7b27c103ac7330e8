#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The program's own errors, with the family of file errors ready for the windows.
class CProgramException : public std::exception
{
public:
    explicit CProgramException(const QString& message);

    int getCode() const;
    QString getMessage() const;
    const char* what() const noexcept override;

private:
    QString m_Message;
    QByteArray m_What;
};

class CFileException : public CProgramException
{
public:
    using CProgramException::CProgramException;
};

class CFileReadException : public CFileException
{
public:
    using CFileException::CFileException;
};

class CFileWriteException : public CFileException
{
public:
    using CFileException::CFileException;
};

class CFileNotFoundException : public CFileException
{
public:
    using CFileException::CFileException;
};

// Ends the command that is running without any message: the user cancelled it (Cancel in the
// query to save a changed document). The handler guard lets it pass silently.
class CAbortException : public std::exception
{
public:
    const char* what() const noexcept override { return "aborted"; }
};
