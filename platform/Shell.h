#pragma once

#include <QUrl>

// Hands an address to the desktop, which opens it with the user's handler for its scheme
// (the web browser, the mail client).
class CShell
{
public:
    static bool open(const QUrl& address);
};
