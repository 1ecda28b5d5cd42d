// ConcreteBMICDevice - the BMIC channel of a controller's library handle.
//
// Each request becomes one InfoMgrControlObject call with the library's BMIC
// record. The channel also remembers, per opcode, a buffer size learnt from
// the controller (the size cache); it keeps no other state between calls.
#ifndef CONTROLLER_CONCRETEBMICDEVICE_H
#define CONTROLLER_CONCRETEBMICDEVICE_H

#include "common/containers.h"
#include "controller/bmicdevice.h"
#include "controller/imgrdefs.h"

class ConcreteBMICDevice : public BMICDevice {
public:
    ConcreteBMICDevice(ImgrHandle handle, bool isRemote, std::uint16_t maxLogicalUnits, std::uint16_t maxPhysicalUnits,
                       bool usesVariableSizeBuffers);

    bool isRemote() const override { return m_isRemote; }
    std::uint16_t maxLogicalUnits() const override { return m_maxLogicalUnits; }
    std::uint16_t maxPhysicalUnits() const override { return m_maxPhysicalUnits; }
    bool sendBMICCommand(BMICRequest& request) override;
    bool usesVariableSizeBuffers() const override { return m_usesVariableSizeBuffers; }

    ImgrHandle handle() const { return m_handle; }
    void UpdateHandle(ImgrHandle handle) { m_handle = handle; }

    // 0 when nothing is cached for the opcode (an entry of 0 is then made).
    std::uint32_t readSizeFromCacheFor(std::uint8_t opcode);
    void WriteSizeToCacheFor(std::uint8_t opcode, std::uint32_t size);

private:
    ImgrHandle m_handle;
    bool m_isRemote;
    std::uint16_t m_maxLogicalUnits;
    std::uint16_t m_maxPhysicalUnits;
    bool m_usesVariableSizeBuffers;
    Common::map<std::uint8_t, std::uint32_t> m_sizeCache;
};

#endif
