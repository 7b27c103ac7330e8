#pragma once

#include <QString>

// The desktop's record of which program opens a kind of document: a shared-mime-info package
// gives the extension a type of its own, and a desktop entry declares that the program opens
// that type. Both are the user's own files under the data home ($XDG_DATA_HOME, by default
// ~/.local/share); nothing outside them is touched.
class CFileTypeRegistry
{
public:
    // The type is named after the program and the extension, e.g. "Ombrix" and ".ombx".
    CFileTypeRegistry(const QString& programName, const QString& extension);

    // Declares the type and the command that opens it; a file is written only when its
    // content differs from what is wanted. False when something could not be written or the
    // executable path cannot stand in a command line. Anything but a plain file in the place of
    // either file is not this program's: it is left alone, with a line on standard error, and
    // the answer is false.
    bool registerType(const QString& executablePath) const;
    // Removes this program's own two files, and only plain files; missing files are no error.
    bool unregisterType() const;

    QString mimeType() const;
    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString mimePackageText() const;
    QString desktopEntryText(const QString& executablePath) const;

private:
    QString mimeFolder() const;
    void updateMimeDatabase() const;

    QString m_ProgramName;
    QString m_Extension;
    QString m_Id;
};
