#include "operations/accesslist.h"

#include <algorithm>
#include <cstring>

#include "controller/scsicmds.h"
#include "core/devicefinder.h"
#include "operations/hextext.h"
#include "operations/replycache.h"
#include "operations/ssplayouts.h"
#include "schema/storagemod.h"

namespace Operations {

bool readAccessList(SCSIDevice& channel, AccessList& list, Core::OperationReturn& result)
{
    SSP2ReportACL report;
    if (!executeCommand(report, channel, result) || !result)
        return false;
    list.enabled = headerOf<SSP_ACL_HEADER>(report.data()).bSspEnabled != 0;
    list.entries = entriesIn<SSP_ACL_HEADER, SSP2_ACL_ENTRY>(report.data());
    return true;
}

void writeAccessList(SCSIDevice& channel, const AccessList& list, Core::OperationReturn& result)
{
    SSP_ACL_HEADER header{};
    header.dwEntryCount = static_cast<std::uint32_t>(list.entries.size());
    header.bSspEnabled = list.enabled ? 1 : 0;
    std::vector<std::uint8_t> parameters(sizeof header + list.entries.size() * sizeof(SSP2_ACL_ENTRY));
    std::memcpy(parameters.data(), &header, sizeof header);
    if (!list.entries.empty())
        std::memcpy(parameters.data() + sizeof header, list.entries.data(),
                    list.entries.size() * sizeof(SSP2_ACL_ENTRY));
    SSP2ManageACL manage(parameters);
    executeWriteCommand(manage, channel, result);
}

bool setAccess(AccessList& list, const std::uint8_t (&id)[8], unsigned drive, bool allowed)
{
    if (drive >= AccessList::MAX_DRIVES)
        return false;
    auto entry = std::find_if(list.entries.begin(), list.entries.end(), [&id](const SSP2_ACL_ENTRY& candidate) {
        return std::memcmp(candidate.bInitiatorID, id, sizeof id) == 0;
    });
    if (entry == list.entries.end()) {
        if (list.entries.size() >= AccessList::MAX_ENTRIES)
            return false;
        SSP2_ACL_ENTRY added{};
        std::memcpy(added.bInitiatorID, id, sizeof id);
        entry = list.entries.insert(list.entries.end(), added);
    }
    const auto bit = static_cast<std::uint8_t>(1u << (drive % 8));
    std::uint8_t& byte = entry->pbLunMap[drive / 8];
    byte = static_cast<std::uint8_t>(allowed ? byte | bit : byte & ~bit);
    return true;
}

bool initiatorBelow(const Core::Device& scope, const Common::string& uniqueId, std::uint8_t (&id)[8])
{
    using namespace Interface::MORUMod;
    Core::DeviceFinder finder(scope.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_INITIATOR));
    finder.Add(Core::Attribute(ATTR_NAME_UNIQUE_ID, uniqueId));
    const Core::DevicePtr initiator = finder.find(Core::DeviceFinder::DIRECTION_DOWN);
    return initiator && initiatorIdOf(*initiator, id);
}

bool initiatorIdOf(const Core::Device& initiator, std::uint8_t (&id)[8])
{
    return hexBytes(initiator.getValueFor(Interface::StorageMod::Initiator::ATTR_NAME_INITIATOR_ID), id, sizeof id);
}

} // namespace Operations
