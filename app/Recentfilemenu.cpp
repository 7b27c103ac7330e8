#include "app/Recentfilemenu.h"

#include "app/Applimits.h"

#include <string>

QString shortenFileName(const QString& path)
{
    // Counted by code points, so a character outside the basic plane is never split.
    const std::u32string characters = path.toStdU32String();
    if (characters.size() <= kRecentMenuPathMax)
        return path;
    return QString::fromStdU32String(characters.substr(0, kRecentMenuPathEnd))
           + QLatin1String("...")
           + QString::fromStdU32String(characters.substr(characters.size() - kRecentMenuPathEnd));
}
