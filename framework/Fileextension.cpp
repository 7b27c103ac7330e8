#include "framework/Fileextension.h"

#include "framework/Programinfo.h"
#include "platform/Executablelocation.h"
#include "platform/Filetyperegistry.h"

void registerFileExtension()
{
    CFileTypeRegistry(getProgramName(), getDocumentExtension())
        .registerType(CExecutableLocation::filePath());
}

void unregisterFileExtension()
{
    CFileTypeRegistry(getProgramName(), getDocumentExtension()).unregisterType();
}
