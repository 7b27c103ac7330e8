#pragma once

#include "app/Appresources.h"

#include <QIcon>
#include <QImage>

// Whether the icon draws as the program's icon of that name, at tool-bar size.
inline bool showsAppIcon(const QIcon& icon, const char* name)
{
    const QSize size(24, 24);
    const QImage expected = appIcon(QLatin1String(name)).pixmap(size).toImage();
    return !icon.isNull() && !expected.isNull() && icon.pixmap(size).toImage() == expected;
}
