// How discovery reaches a controller.
// - controllerChannel: the BMIC channel of a controller handle, as discovery makes it (32
//   logical and 128 physical units, fixed-size buffers); `remote` for a controller reached
//   through a host bus adapter.
// - PublishIdentity: sends Identify Controller through the controller's own channel, by way of
//   the reply cache (the controller's reader asks it again in the same rescan); on success
//   publishes ATTR_NAME_FIRMWARE_VERSION and records whether the controller handles logical
//   drives over 2 TB. A failure leaves both alone.
// - The handles of remote controllers by their controller text (the text a storage-system path
//   names its controller by), recorded by storage-system discovery and used when the
//   controllers of a storage system are published, so that each controller of a redundant pair
//   is asked through its own handle. An unknown text gives the fallback.
#ifndef VNL_OPERATIONS_CONTROLLERCHANNEL_H
#define VNL_OPERATIONS_CONTROLLERCHANNEL_H

#include "controller/concretebmicdevice.h"
#include "schema/schemaarraycontroller.h"

namespace Operations {

ConcreteBMICDevice controllerChannel(ImgrHandle handle, bool remote);
void PublishIdentity(Schema::ArrayController& controller);

void RememberRemoteControllerHandle(const Common::string& controllerText, ImgrHandle handle);
ImgrHandle remoteControllerHandle(const Common::string& controllerText, ImgrHandle fallback);

} // namespace Operations

#endif
