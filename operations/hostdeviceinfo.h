// The facts a host-side device (a local array controller, or a host bus adapter) carries from
// the host information record of the information manager, and the tables behind them.
// - busTypeToString: the bus type code (0 ISA, 1 EISA, 2 PCI, 3 SCSI, 4 fibre) as its
//   ATTR_VALUE_BUS_TYPE_ value; empty for another code.
// - controllerIDTostring: the model identifier (ATTR_VALUE_CONTROLLER_NAME_...) of a board
//   identifier; empty for a board the product table does not know.
// - PublishPCIInfo: domain (below 65535), bus, device and function (each below 255), each only
//   when known.
// - PublishSlotInformation: a slot-addressed device gets ATTR_NAME_SLOT (the number, or
//   ATTR_VALUE_SLOT_UNKNOWN for 255), a cabinet-addressed one the cabinet, cell, I/O cabinet,
//   I/O chassis, I/O bay and slot.
// - PublishSubsystemID: the board identifier in unsigned decimal.
#ifndef VNL_OPERATIONS_HOSTDEVICEINFO_H
#define VNL_OPERATIONS_HOSTDEVICEINFO_H

#include <cstdint>

#include "common/ctlstring.h"
#include "controller/imgrdefs.h"
#include "core/device.h"

namespace Operations {

Common::string busTypeToString(std::uint8_t busType);
Common::string controllerIDTostring(std::uint32_t boardId);

void PublishPCIInfo(Core::Device& device, const ImgrHostDeviceInfo& info);
void PublishSlotInformation(Core::Device& device, const ImgrHostDeviceInfo& info);
void PublishSubsystemID(Core::Device& device, const ImgrHostDeviceInfo& info);

// The known parts of the PCI address (domain, bus, device, function) as decimal texts, in order.
Common::list<Common::string> pciAddressParts(const ImgrHostDeviceInfo& info);

} // namespace Operations

#endif
