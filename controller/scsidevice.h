// SCSIDevice - a channel that carries one SCSI command block to a device.
//
// sendSCSICommand returns true only when the command reached the device and
// completed with SCSI status 0; otherwise the request's status fields say
// what happened. rescanScsiBus asks the library to look for new devices.
#ifndef CONTROLLER_SCSIDEVICE_H
#define CONTROLLER_SCSIDEVICE_H

#include <cstdint>

class SCSIDevice {
public:
    enum EnTransferType : std::uint8_t {
        TRANSFER_IN = 0,
        TRANSFER_SPECIAL_IN = 1, // through the controller's special path
        TRANSFER_OUT = 2,
        TRANSFER_SPECIAL_OUT = 3, // through the controller's special path
        TRANSFER_NONE = 4,
    };

    struct SCSIRequest {
        EnTransferType eTransferType = TRANSFER_NONE;
        std::uint32_t dwTimeout = 0;
        const std::uint8_t* pCdb = nullptr;
        std::uint8_t bCdbLength = 0;
        void* pData = nullptr;
        std::uint32_t dwDataLength = 0;
        std::uint32_t dwLowLevelStatus = 0; // out: the library's non-zero result
        std::uint16_t wCommandStatus = 0; // out
        std::uint8_t bScsiStatus = 0; // out
        std::uint8_t* pSense = nullptr;
        std::uint32_t dwSenseLength = 0; // in: capacity; out: bytes returned
    };

    virtual bool sendSCSICommand(SCSIRequest& request) = 0;
    virtual bool rescanScsiBus() = 0;
    virtual ~SCSIDevice() = default;
};

#endif
