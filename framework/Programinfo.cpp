#include "framework/Programinfo.h"

QString getProgramName()
{
    return QStringLiteral("Ombrix");
}

QString getDocumentExtension()
{
    return QStringLiteral(".ombx");
}

QString getLogFileName()
{
    return QStringLiteral("ombrix.log");
}

QString getHelpFileName()
{
    return QStringLiteral("ombrix.chm");
}

int getVersionMajor()
{
    return 1;
}

int getVersionMinor()
{
    return 0;
}

int getVersionRelease()
{
    return 1;
}

int getVersionBuild()
{
    return 1;
}

QString getVersion()
{
    return QString::number(getVersionMajor()) + QLatin1Char('.')
           + QString::number(getVersionMinor()) + QLatin1Char('.')
           + QString::number(getVersionRelease()) + QLatin1Char('.')
           + QString::number(getVersionBuild());
}

QString getWebSite()
{
    return QStringLiteral("https://ombrix.example.org/");
}

QString getSupportEmail()
{
    return QStringLiteral("support@ombrix.example.org");
}

QString getProducer()
{
    return QStringLiteral("Copyright (c) The Ombrix developers");
}
