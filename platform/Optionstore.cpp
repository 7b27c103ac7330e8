#include "platform/Optionstore.h"

bool COptionStore::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool COptionStore::writeBool(const QString& section, const QString& key, bool value)
{
    return writeInteger(section, key, value ? 1 : 0);
}
