#include "schema/configmod.h"

#include "core/operationregistration.h"
#include "operations/writelockstoragesystem.h"
#include "operations/writeunlockstoragesystem.h"
#include "schema/morumod.h"
#include "schema/schemastoragesystem.h"

namespace Interface::ConfigMod {

namespace {

template <class DeviceClass, class Operation>
void declare(const char* typeName)
{
    Core::RegisterSchema(typeName, Core::DeviceOperationRegistry<DeviceClass>::DeviceOperationListPtr());
    Core::RegisterOperation(typeName, new Core::DeviceOperationCreator<Operation>());
}

} // namespace

// The module's operation classes are registered here as they are written.
void InitializeModule()
{
    const char* system = MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM;
    declare<Schema::StorageSystem, Operations::WriteLockStorageSystem>(system);
    declare<Schema::StorageSystem, Operations::WriteUnlockStorageSystem>(system);
}

} // namespace Interface::ConfigMod
