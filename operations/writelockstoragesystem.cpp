#include "operations/writelockstoragesystem.h"

#include "controller/bmiccommands.h"
#include "operations/replycache.h"
#include "schema/configmod.h"

namespace Operations {

namespace {

namespace Config = Interface::ConfigMod;

// The words of the lock state a storage system answers with.
constexpr std::uint32_t LOCK_WORD_NONE = 0;
constexpr std::uint32_t LOCK_WORD_THIS_HOST = 1;

constexpr std::uint32_t LOCK_DETAIL = PACK_BMIC_DETAIL(128, 0, 36, 0);

} // namespace

const char* lockStateOf(std::uint32_t word)
{
    if (word == LOCK_WORD_NONE)
        return Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE;
    if (word == LOCK_WORD_THIS_HOST)
        return Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS;
    return Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_OTHER;
}

Core::OperationReturn ManageStorageSystemLock(Schema::StorageSystem& system, std::uint32_t detail)
{
    Core::OperationReturn result;
    SenseControllerCommand<LockManagementTrait> command(detail);
    executeWriteCommand(command, system, result);
    if (result)
        system.Receive(Core::Attribute(Config::ATTR_NAME_LOCK_STATE, lockStateOf(command.result())));
    return result;
}

Common::string WriteLockStorageSystem::nameImpl() const { return Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM; }

Core::OperationReturn WriteLockStorageSystem::visit(Schema::StorageSystem& system)
{
    return ManageStorageSystemLock(system, LOCK_DETAIL);
}

} // namespace Operations
