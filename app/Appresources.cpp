#include "app/Appresources.h"

// Q_INIT_RESOURCE declares the registration function where it stands, so it stays outside any
// namespace. Registering again is harmless.
void initAppResources()
{
    Q_INIT_RESOURCE(ombrix);
}

QIcon appIcon(const QString& name)
{
    return QIcon(QLatin1String(":/icons/") + name + QLatin1String(".svg"));
}
