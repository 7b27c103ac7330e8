#include "framework/Weblinks.h"

#include "framework/Dialogseams.h"
#include "framework/Stringutils.h"

#include <QUrl>

namespace {

QString buildMailAddress(const QString& address, const QString& subject, const QString& body)
{
    // The address keeps the characters an address is made of; everything else is encoded.
    return QLatin1String("mailto:")
           + QString::fromLatin1(QUrl::toPercentEncoding(trimBlanks(address), "@+"))
           + QLatin1String("?subject=")
           + QString::fromLatin1(QUrl::toPercentEncoding(trimBlanks(subject)))
           + QLatin1String("&body=")
           + QString::fromLatin1(QUrl::toPercentEncoding(trimBlanks(body)));
}

} // namespace

void openURL(const QString& address)
{
    CDialogSeams::current().openWithDesktop(QUrl(trimBlanks(address)));
}

void sendMail(const QString& address, const QString& subject, const QString& body)
{
    CDialogSeams::current().openWithDesktop(
        QUrl(buildMailAddress(address, subject, body), QUrl::StrictMode));
}
