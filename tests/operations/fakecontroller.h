// A controller for discovery tests that answers from buffers the test fills in: identify
// controller, logical drive configuration and status by number, bus parameters by bus. Anything
// not filled in reads as a zeroed buffer. Every opcode sent is recorded; one opcode can be made
// to fail as a controller that does not answer fails.
#ifndef VNL_TESTS_OPERATIONS_FAKECONTROLLER_H
#define VNL_TESTS_OPERATIONS_FAKECONTROLLER_H

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <map>
#include <vector>

#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"

class FakeController : public BMICDevice {
public:
    IDENTIFY_CONTROLLER identify{};
    std::map<unsigned, LOGICAL_DRIVE_CONFIG> configs;
    std::map<unsigned, LOGICAL_DRIVE_STATUS> statuses;
    std::map<unsigned, SENSE_BUS_PARAMETERS> buses;
    std::vector<unsigned> sent;
    int failingOpcode = -1;

    static void setBit(std::uint8_t (&map)[16], unsigned n) { map[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8)); }

    void addDisks(std::initializer_list<unsigned> indexes)
    {
        for (unsigned n : indexes)
            setBit(identify.pbBigDrivePresentBitmap, n);
    }

    void addLogicalDrive(unsigned number, std::initializer_list<unsigned> data,
                         std::initializer_list<unsigned> spares = {})
    {
        LOGICAL_DRIVE_CONFIG& config = configs[number];
        config.wAssignedDrives = static_cast<std::uint16_t>(data.size());
        for (unsigned n : data)
            setBit(config.pbBigDriveAssignmentMap, n);
        for (unsigned n : spares)
            setBit(config.pbBigSpareAssignmentMap, n);
        ++identify.bConfiguredLogicalDrives;
    }

    void removeLogicalDrive(unsigned number)
    {
        configs.erase(number);
        --identify.bConfiguredLogicalDrives;
    }

    // A bus whose enclosure inquiry names a drive cage made by `vendor` (8 characters).
    void addCageBus(unsigned bus, const char* vendor = "TALVANE ")
    {
        std::memcpy(buses[bus].boxInquiryData.sVendorID, vendor, 8);
        std::memcpy(buses[bus].boxInquiryData.sProductID, "VESTRAIL        ", 16);
        buses[bus].bInquiryValid = 1;
    }

    unsigned count(unsigned opcode) const
    {
        return static_cast<unsigned>(std::count(sent.begin(), sent.end(), opcode));
    }

    bool isRemote() const override { return false; }
    std::uint16_t maxLogicalUnits() const override { return 32; }
    std::uint16_t maxPhysicalUnits() const override { return 128; }
    bool usesVariableSizeBuffers() const override { return false; }

    bool sendBMICCommand(BMICRequest& request) override
    {
        sent.push_back(request.bCommand);
        if (static_cast<int>(request.bCommand) == failingOpcode) {
            request.dwLowLevelStatus = 0x80000001u;
            return false;
        }
        switch (request.bCommand) {
        case 0x11:
            return answer(request, identify);
        case 0x50:
            return answer(request, configs[request.wUnit]);
        case 0x12:
            return answer(request, statuses[request.wUnit]);
        case 0x65:
            return answer(request, buses[request.dwDetail]);
        }
        return false;
    }

private:
    template <class Buffer>
    static bool answer(BMICRequest& request, const Buffer& buffer)
    {
        if (request.dwDataLength != sizeof buffer)
            return false;
        std::memcpy(request.pData, &buffer, sizeof buffer);
        return true;
    }
};

#endif
