#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The window drivers' options: an ini file beside a stand-in executable in a temporary folder
// and the user's store redirected there too, so a run neither reads nor changes the user's
// settings and leaves nothing in the build tree.
class CIsolatedOptions
{
public:
    // The texts are written before any window reads them; an empty text writes no file.
    explicit CIsolatedOptions(const QByteArray& ini = QByteArray(),
                              const QByteArray& userStore = QByteArray());
    ~CIsolatedOptions();

    bool isValid() const { return m_Valid; }

private:
    QTemporaryDir m_Dir;
    bool m_Valid = false;
};
