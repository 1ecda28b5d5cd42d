#include "operations/writeunlockstoragesystem.h"

#include "controller/bmicbits.h"
#include "operations/writelockstoragesystem.h"
#include "schema/configmod.h"

namespace Operations {

Common::string WriteUnlockStorageSystem::nameImpl() const
{
    return Interface::ConfigMod::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM;
}

Core::OperationReturn WriteUnlockStorageSystem::visit(Schema::StorageSystem& system)
{
    return ManageStorageSystemLock(system, PACK_BMIC_DETAIL(128, 0, 0, 0));
}

} // namespace Operations
