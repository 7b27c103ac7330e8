#pragma once

#include <QString>

// Fixed facts about the program, served from one place so every window uses the same values.

QString getProgramName();
QString getDocumentExtension();
QString getLogFileName();
QString getHelpFileName();

int getVersionMajor();
int getVersionMinor();
int getVersionRelease();
int getVersionBuild();
// "major.minor.release.build"
QString getVersion();

QString getWebSite();
// A plain address, without "mailto:".
QString getSupportEmail();
QString getProducer();
