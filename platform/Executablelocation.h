#pragma once

#include <QString>

// The program keeps its ini file, log and self-test files beside the executable. Every caller
// asks this one provider, so tests can point it at a temporary folder.
class CExecutableLocation
{
public:
    // Absolute path of the executable file.
    static QString filePath();
    // The executable's folder, without a trailing separator (except for the root).
    static QString folder();
    // Makes filePath() answer the given path; an empty path goes back to the real executable.
    static void redirect(const QString& executableFilePath);
};
