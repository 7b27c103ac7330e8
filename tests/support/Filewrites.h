#pragma once

#include <QString>

// Counts the times a file is written whole or replaced while this object lives, as the system
// tells them: each close after writing it, and each file renamed into its place. The file's
// folder must exist.
class CFileWrites
{
public:
    explicit CFileWrites(const QString& fileName);
    ~CFileWrites();
    CFileWrites(const CFileWrites&) = delete;
    CFileWrites& operator=(const CFileWrites&) = delete;

    int count();

private:
    QByteArray m_Name;
    int m_Watch = -1;
    int m_Count = 0;
};
