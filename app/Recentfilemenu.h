#pragma once

#include <QString>

// The caption of a recent file in the menu: a path of up to kRecentMenuPathMax characters
// whole, a longer one as its first and last kRecentMenuPathEnd characters around "...".
QString shortenFileName(const QString& path);
