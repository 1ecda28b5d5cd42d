#include "operations/servernames.h"

#include <algorithm>
#include <cstring>

#include "controller/bmiccommands.h"
#include "operations/replycache.h"
#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

constexpr std::uint8_t UNUSED[8] = {};

bool holds(const CONNECTION_NAME_INTIATORID_ENTRY& slot, const std::uint8_t* id)
{
    return std::memcmp(slot.bInitiatorID, id, sizeof slot.bInitiatorID) == 0;
}

// The slot of `id`, else the first unused one given to it; null when the table is full.
CONNECTION_NAME_INTIATORID_ENTRY* slotFor(CONNECTION_NAME_INTIATORID_ENTRIES& table, const std::uint8_t (&id)[8])
{
    auto* end = std::end(table.entry);
    auto* slot = std::find_if(std::begin(table.entry), end, [&id](const auto& entry) { return holds(entry, id); });
    if (slot != end)
        return slot;
    slot = std::find_if(std::begin(table.entry), end, [](const auto& entry) { return holds(entry, UNUSED); });
    if (slot == end)
        return nullptr;
    *slot = CONNECTION_NAME_INTIATORID_ENTRY{};
    std::memcpy(slot->bInitiatorID, id, sizeof id);
    return slot;
}

} // namespace

Core::OperationReturn nameInitiator(BMICDevice& channel, const std::uint8_t (&id)[8], const Common::string& name)
{
    using namespace Interface::MORUMod;
    if (name.size() > MAX_NAME_LENGTH)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Interface::StorageMod::ATTR_NAME_CONNECTION_NAME);
    Core::OperationReturn result;
    SenseControllerCommand<ReadServerNameTrait> read;
    if (!executeCommand(read, channel, result) || !result)
        return result;
    CONNECTION_NAME_INTIATORID_ENTRIES table = read.result();
    CONNECTION_NAME_INTIATORID_ENTRY* slot = slotFor(table, id);
    if (slot == nullptr)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    std::memset(slot->sConnectionName, 0, sizeof slot->sConnectionName);
    std::memcpy(slot->sConnectionName, name.c_str(), name.size());
    SetControllerCommand<WriteServerNameTrait> write(table);
    executeWriteCommand(write, channel, result);
    return result;
}

} // namespace Operations
