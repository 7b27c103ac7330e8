#pragma once

#include <QIcon>
#include <QString>

// The program's own icons, compiled into the program. The resources of a static library are
// registered only on request: initAppResources() must run once before the first icon is asked
// for.
void initAppResources();

// The icon ":/icons/<name>.svg", such as appIcon(QStringLiteral("save")).
QIcon appIcon(const QString& name);
