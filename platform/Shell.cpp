#include "platform/Shell.h"

#include <QDesktopServices>

bool CShell::open(const QUrl& address)
{
    return address.isValid() && QDesktopServices::openUrl(address);
}
