// ConcreteC5PassThroughDevice - a SCSI channel that reaches one target behind
// a controller by wrapping the caller's command block in a 16-byte 0xC5
// block (0xC5, target, 0, then up to 13 bytes of the caller's block). Longer
// blocks cannot be wrapped and are refused. It carries no BMIC commands.
#ifndef CONTROLLER_CONCRETEC5PASSTHROUGHDEVICE_H
#define CONTROLLER_CONCRETEC5PASSTHROUGHDEVICE_H

#include "controller/bmicdevice.h"
#include "controller/imgrdefs.h"
#include "controller/scsidevice.h"

class ConcreteC5PassThroughDevice : public BMICDevice, public SCSIDevice {
public:
    static constexpr std::uint8_t WRAPPER_OPCODE = 0xC5;
    static constexpr std::uint8_t WRAPPED_LENGTH = 16;
    static constexpr std::uint8_t MAX_INNER_LENGTH = 13;

    ConcreteC5PassThroughDevice(ImgrHandle handle, std::uint8_t target) : m_handle(handle), m_target(target) {}

    bool isRemote() const override { return false; }
    std::uint16_t maxLogicalUnits() const override { return 0; }
    std::uint16_t maxPhysicalUnits() const override { return 0; }
    bool sendBMICCommand(BMICRequest&) override { return false; }
    bool usesVariableSizeBuffers() const override { return false; }

    bool sendSCSICommand(SCSIRequest& request) override;
    bool rescanScsiBus() override { return false; }

    ImgrHandle handle() const { return m_handle; }
    void UpdateHandle(ImgrHandle handle) { m_handle = handle; }

private:
    ImgrHandle m_handle;
    std::uint8_t m_target;
};

#endif
