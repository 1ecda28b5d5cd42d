// Operations::AccessList - the selective-storage-presentation access list of a storage system,
// read and written whole (SSP2ReportACL, SSP2ManageACL): whether SSP is on and, for each
// initiator, the logical drives it may reach (bit n of its map = logical drive n).
//
// What a caller may rely on:
// - readAccessList asks the controller once; the entries are those the report announces and
//   its data holds, no more.
// - writeAccessList sends back every entry with the list's SSP state, so entries left alone
//   keep their access. It drops the reply cache (executeWriteCommand).
// - setAccess changes one initiator's bit for one drive, adding an entry (with no access) for an
//   initiator the list lacks; false when the drive is beyond the map or the list is full.
#ifndef VNL_OPERATIONS_ACCESSLIST_H
#define VNL_OPERATIONS_ACCESSLIST_H

#include <cstdint>
#include <vector>

#include "controller/scsidevice.h"
#include "controller/ssplayouts.h"
#include "core/device.h"
#include "core/operationreturn.h"

namespace Operations {

struct AccessList {
    static constexpr std::size_t MAX_ENTRIES = sizeof(SSP2_ACL_REPORT::entry) / sizeof(SSP2_ACL_ENTRY);
    static constexpr unsigned MAX_DRIVES = sizeof(SSP2_ACL_ENTRY::pbLunMap) * 8;

    bool enabled = false;
    std::vector<SSP2_ACL_ENTRY> entries;
};

bool readAccessList(SCSIDevice& channel, AccessList& list, Core::OperationReturn& result);
void writeAccessList(SCSIDevice& channel, const AccessList& list, Core::OperationReturn& result);
bool setAccess(AccessList& list, const std::uint8_t (&id)[8], unsigned drive, bool allowed);

// The identifier of an initiator as the controller's records carry it; false when the
// device's ATTR_NAME_INITIATOR_ID is not one.
bool initiatorIdOf(const Core::Device& initiator, std::uint8_t (&id)[8]);
// The identifier of the initiator below `scope` whose unique identifier is `uniqueId`; false
// when there is none.
bool initiatorBelow(const Core::Device& scope, const Common::string& uniqueId, std::uint8_t (&id)[8]);

} // namespace Operations

#endif
