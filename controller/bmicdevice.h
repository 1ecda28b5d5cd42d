// BMICDevice - a channel that carries one BMIC command to a controller.
//
// A device of the tree that can be asked to send a BMIC command derives from
// it: controllers hold a concrete channel on their library handle, the
// devices below them forward to their parent. sendBMICCommand returns true
// only when the command reached the controller and completed with SCSI
// status 0; otherwise the request's status fields say what happened.
#ifndef CONTROLLER_BMICDEVICE_H
#define CONTROLLER_BMICDEVICE_H

#include <cstdint>

class BMICDevice {
public:
    enum EnTransferType : std::uint8_t {
        TRANSFER_FROM_CONTROLLER = 0, // sense
        TRANSFER_TO_CONTROLLER = 1, // set
        TRANSFER_NONE = 2,
    };

    struct BMICRequest {
        EnTransferType eTransferType = TRANSFER_NONE;
        std::uint32_t dwTimeout = 0; // 0 = the library's default
        std::uint8_t bCommand = 0;
        std::uint32_t dwDetail = 0;
        std::uint16_t wUnit = 0;
        void* pData = nullptr;
        std::uint32_t dwDataLength = 0;
        std::uint32_t dwLowLevelStatus = 0; // out: the library's non-zero result
        std::uint16_t wCommandStatus = 0; // out
        std::uint8_t bScsiStatus = 0; // out
        std::uint8_t* pSense = nullptr;
        std::uint32_t dwSenseLength = 0; // in: capacity; out: bytes returned
        std::uint32_t dwExtra = 0; // passed through unchanged
    };

    virtual bool isRemote() const = 0;
    virtual std::uint16_t maxLogicalUnits() const = 0;
    virtual std::uint16_t maxPhysicalUnits() const = 0;
    virtual bool sendBMICCommand(BMICRequest& request) = 0;
    virtual bool usesVariableSizeBuffers() const = 0;
    virtual ~BMICDevice() = default;
};

#endif
