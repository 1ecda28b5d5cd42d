// LocalArrayControllerIterator - the array controllers in this host.
//
// A child of the local-controller root is taken when its host information
// names an array controller whose board identifier is above
// MINIMUM_BOARD_ID and it answers a sense-controller-parameters command;
// the access identifier of that answer is kept. The command goes out through `send`: straight
// to the controller unless the caller routes it otherwise (discovery shares the answer with the
// rest of its rescan).
#ifndef CONTROLLER_LOCALARRAYCONTROLLERITERATOR_H
#define CONTROLLER_LOCALARRAYCONTROLLERITERATOR_H

#include "common/ctlstring.h"
#include "controller/bmiccommand.h"
#include "controller/imhandleiterator.h"

class LocalArrayControllerIterator : public IMHandleIterator {
public:
    // Boards up to this identifier predate the command set this tool speaks.
    static constexpr std::uint32_t MINIMUM_BOARD_ID = 0x0E11406F;

    using Sender = bool (*)(BmicCommand& command, BMICDevice& channel);
    static bool sendDirect(BmicCommand& command, BMICDevice& channel) { return command(channel); }

    explicit LocalArrayControllerIterator(Sender send = sendDirect);

    const ImgrHostDeviceInfo& getHostDeviceInfo(ImgrHandle handle) const;
    Common::string getAccessID(ImgrHandle handle) const;

private:
    bool take(ImgrHandle handle);

    Sender m_send;
    Common::map<ImgrHandle, ImgrHostDeviceInfo> m_hostInfo;
    Common::map<ImgrHandle, Common::string> m_accessIDs;
};

#endif
