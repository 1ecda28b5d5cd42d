// What the show functor prints for each kind of device, in the one-line and
// the long form, and how headings come out once across a sorted list.
#include "cli/ops/showop.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "cli/consoleoutput.h"
#include "cli/ops/statusop.h"
#include "tests/cli/showtree.h"

using namespace ShowTree;

namespace {

class ShowOpTest : public ::testing::Test {
protected:
    void SetUp() override { CError::reset(); }
    void TearDown() override { CError::reset(); }

    // What the handler prints, errors included, as the command processor
    // passes it one stream for both.
    static std::string apply(CPerformOp& functor, std::ostringstream& out, std::initializer_list<DevicePtr> devices)
    {
        const ConsoleOutput::Binding binding(&out);
        for (const DevicePtr& device : devices)
            functor(device);
        return out.str();
    }
    std::string show(std::initializer_list<DevicePtr> devices, bool detail, bool ssp = false)
    {
        std::ostringstream out;
        CShowOp functor(detail, &out, ssp);
        return apply(functor, out, devices);
    }
    std::string status(std::initializer_list<DevicePtr> devices)
    {
        std::ostringstream out;
        CStatusOp functor(&out);
        return apply(functor, out, devices);
    }
    std::string shortForm(std::initializer_list<DevicePtr> devices) { return show(devices, false); }
    std::string longForm(std::initializer_list<DevicePtr> devices) { return show(devices, true); }

    Server server;
};

const std::string CTRL = "Orvex Varnel V30 in Slot 3";

} // namespace

TEST_F(ShowOpTest, MissingSizeAndProgressAreShown)
{
    server.pd2->Clear(ATTR_NAME_TOTAL_BLOCKS);
    set(server.pd1, {{ATTR_NAME_IS_ACTIVE_SPARE, ATTR_VALUE_IS_ACTIVE_SPARE_TRUE}});
    set(server.ld1, {{ATTR_NAME_STATUS, ATTR_VALUE_STATUS_EXPANDING}, {ATTR_NAME_EXPAND_PERCENT_COMPLETE, "45"}});
    std::string listing = shortForm({server.pd1, server.pd2, server.ld1});
    EXPECT_NE(listing.find("(port 1I:box 1:bay 1, SAS, 300 GB, OK, active spare)"), std::string::npos) << listing;
    EXPECT_NE(listing.find("(port 1I:box 1:bay 2, SAS, ??? GB, OK)"), std::string::npos) << listing;
    EXPECT_NE(listing.find("(100.0 GB, RAID 5, Expanding 45.0% complete)"), std::string::npos) << listing;
    std::string detail = longForm({server.pd2});
    EXPECT_NE(detail.find("\n         Size: ??? GB\n"), std::string::npos) << detail;

    set(server.ld1, {{ATTR_NAME_STATUS, ATTR_VALUE_STATUS_RECOVERING}, {ATTR_NAME_REBUILD_PERCENT_COMPLETE, "7"}});
    EXPECT_EQ(status({server.ld1, server.pd2}),
              "logicaldrive 1 (100.0 GB, RAID 5): Recovering 7.0% complete\n"
              "physicaldrive 1I:1:2 (port 1I:box 1:bay 2, ??? GB): OK\n");
}

TEST_F(ShowOpTest, LongFormsPrintLabelledLinesOfPresentAttributesOnly)
{
    set(server.ctrl,
        {{ATTR_NAME_FIRMWARE_VERSION, "2.74"},
         {ATTR_NAME_SURFACE_ANALYSIS_DELAY, "3"},
         {ATTR_NAME_IS_QRX_SUPPORTED, ATTR_VALUE_IS_QRX_SUPPORTED_FALSE},
         {ATTR_NAME_BATTERY_PACK_COUNT, "1"},
         {ATTR_NAME_BATTERY_STATUS, ATTR_VALUE_BATTERY_STATUS_NOT_FULLY_CHARGED}});
    EXPECT_EQ(longForm({server.ctrl}),
              CTRL +
                  "\n"
                  "   Slot: 3\n"
                  "   Serial Number: PVNL30002231\n"
                  "   RAID 6 (QRX) Status: Disabled\n"
                  "   Controller Status: OK\n"
                  "   Firmware Version: 2.74\n"
                  "   Surface Scan Delay: 3 sec\n"
                  "      Battery Pack Count: 1\n"
                  "      Battery Status: Recharging\n");
}

TEST_F(ShowOpTest, LogicalDriveDetailNamesMountPointsAdaptersAndPreferredPath)
{
    add<ExtentDevice>(server.ld1, "e1",
                      {{ATTR_NAME_DISK_EXTENT_MOUNT_POINT, "/"}, {ATTR_NAME_DISK_EXTENT_SIZE, "20 GB"}});
    add<ExtentDevice>(server.ld1, "e2", {{ATTR_NAME_DISK_EXTENT_SIZE, "1 GB"}});
    add<ExtentDevice>(server.ld1, "e3",
                      {{ATTR_NAME_DISK_EXTENT_MOUNT_POINT, "/data"}, {ATTR_NAME_DISK_EXTENT_SIZE, "79 GB"}});
    DevicePtr host = add<InitiatorDevice>(server.ctrl, "i", {{ATTR_NAME_INITIATOR_ID, "5001438001A2B3C4"}});
    link(server.ld1, ASSOCIATION_INITIATOR_WITH_ACCESS, host);
    link(server.ld1, ASSOCIATION_PREFERRED_PATH, controller(server.root, "peer", {{ATTR_NAME_IO_SLOT, "1"}}));
    std::string detail = longForm({server.ld1});
    EXPECT_NE(detail.find("         Preferred Controller Chassis Slot: 2\n"), std::string::npos) << detail;
    EXPECT_NE(detail.find("         Mount Points: / 20 GB, /data 79 GB\n"), std::string::npos) << detail;
    EXPECT_NE(detail.find("         Unmasked AdapterId's\n            5001438001A2B3C4\n"), std::string::npos)
        << detail;
}

TEST_F(ShowOpTest, SspViewListsEveryAdapterAndItsAccess)
{
    set(server.ctrl, {{ATTR_NAME_SSP_STATE, ATTR_VALUE_SSP_STATE_ENABLED}});
    set(server.ld1, {{ATTR_NAME_SSP_STATE, ATTR_VALUE_SSP_STATE_ENABLED}});
    DevicePtr named = add<InitiatorDevice>(server.ctrl, "n",
                                           {{ATTR_NAME_INITIATOR_ID, "210000E08B0A0A0A"},
                                            {ATTR_NAME_CONNECTION_NAME, "web1"},
                                            {ATTR_NAME_LOCATION, ATTR_VALUE_LOCATION_LOCAL},
                                            {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK}});
    add<InitiatorDevice>(server.ctrl, "u",
                         {{ATTR_NAME_INITIATOR_ID, "210000E08B0B0B0B"},
                          {ATTR_NAME_LOCATION, ATTR_VALUE_LOCATION_LOCAL},
                          {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK}});
    link(server.ld1, ASSOCIATION_INITIATOR_WITH_ACCESS, named);
    std::string view = show({server.ctrl}, false, true);
    EXPECT_EQ(view,
              CTRL +
                  "\n"
                  "\n   Adapter ID:        210000E08B0A0A0A\n"
                  "      connectionname: web1\n"
                  "      Location:       Local\n"
                  "      Status:         OK\n"
                  "      logicaldrive 1 is unmasked\n"
                  "\n   Adapter ID:        210000E08B0B0B0B\n"
                  "      connectionname: Unknown\n"
                  "      Location:       Local\n"
                  "      Status:         OK\n"
                  "      logicaldrive 1 is masked\n");

    server.ctrl->Clear(ATTR_NAME_SSP_STATE);
    EXPECT_EQ(show({server.ctrl}, false, true), "There is no ssp information available for this device.\n");
}

TEST_F(ShowOpTest, DevicesTheCommandCannotShowAreReported)
{
    EXPECT_EQ(show({server.ld1}, false, true), "\nError: The specified target must be a controller.\n\n");
    CError::reset();
    EXPECT_EQ(shortForm({add<HbaDevice>(server.root, "hba", {})}),
              "\nError: Cannot show this device. Not supported by show command.\n\n");
    EXPECT_EQ(CError::errorCode(), 1);
    CError::reset();
    EXPECT_EQ(status({add<TapeDevice>(server.ctrl, "t", {})}), "\nError: Cannot show status for this device.\n\n");
}

TEST_F(ShowOpTest, StatusSummarisesControllerArrayAndDrives)
{
    set(server.ctrl, {{ATTR_NAME_CACHE_STATUS, ATTR_VALUE_STATUS_OK}});
    EXPECT_EQ(status({server.ctrl, server.arrayA, server.ld1, server.spare}),
              "\n" + CTRL +
                  "\n   Controller Status: OK\n   Cache Status: OK\n\n"
                  "array A: OK\n"
                  "logicaldrive 1 (100.0 GB, RAID 5): OK\n"
                  "physicaldrive 1I:1:3 (port 1I:box 1:bay 3, 300 GB, spare): OK\n");
}

TEST_F(ShowOpTest, DrivesAreListedByLocationOrElseBySCSIBusAndId)
{
    DevicePtr boxed = physicalDrive(
        server.ctrl, "b",
        {{ATTR_NAME_BOX, "1"}, {ATTR_NAME_BAY, "3"}, {ATTR_NAME_SCSI_BUS, "0"}, {ATTR_NAME_SCSI_ID, "0"}});
    DevicePtr scsi = physicalDrive(server.ctrl, "s", {{ATTR_NAME_SCSI_BUS, "1"}, {ATTR_NAME_SCSI_ID, "4"}});
    EXPECT_EQ(shortForm({boxed, scsi}),
              CTRL +
                  "\n      physicaldrive 1:3 (box 1:bay 3, ??? GB)\n"
                  "      physicaldrive 2:4   (port 2:id 4 , ??? GB)\n")
        << "an absent interface or status shows neither value nor separator";
    EXPECT_EQ(status({boxed}), "physicaldrive 1:3 (box 1:bay 3, ??? GB): \n");
}

TEST_F(ShowOpTest, MessagesAndFailedBatteriesReadAsSentences)
{
    set(server.ld1, {{ATTR_NAME_STATE, "Queued for rebuild"}});
    std::string detail = longForm({server.ld1});
    EXPECT_NE(detail.find("         Mount Points: None\n            Logical Drive Message: Queued for rebuild\n"),
              std::string::npos)
        << detail;

    set(server.ctrl,
        {{ATTR_NAME_BATTERY_STATUS, ATTR_VALUE_BATTERY_STATUS_FAILED}, {ATTR_NAME_BATTERY_FAILED_LIST, "1*-*3"}});
    detail = longForm({server.ctrl});
    EXPECT_NE(detail.find("      Battery Status: Failed (Replace Batteries)\n"
                          "      Failed Battery Location: Battery 1, Battery 3\n"),
              std::string::npos)
        << detail;
}

TEST_F(ShowOpTest, SpareOfTwoArraysStaysUnderTheArrayBeingListed)
{
    DevicePtr arrayB = array(server.ctrl, "1", {{ATTR_NAME_INTERFACE, ATTR_VALUE_INTERFACE_SAS}});
    DevicePtr pd3 = sasDrive(server.ctrl, "2I", "1", "2", ATTR_VALUE_DRIVE_TYPE_DATA);
    member(arrayB, pd3);
    member(arrayB, server.spare, ASSOCIATION_SPARE_DRIVE);
    EXPECT_EQ(shortForm({pd3, server.spare}),
              CTRL +
                  "\n\n   array B\n\n"
                  "      physicaldrive 2I:1:2 (port 2I:box 1:bay 2, SAS, 300 GB, OK)\n"
                  "      physicaldrive 1I:1:3 (port 1I:box 1:bay 3, SAS, 300 GB, OK, spare)\n");
    EXPECT_EQ(shortForm({server.spare}),
              CTRL +
                  "\n\n   array A\n\n"
                  "      physicaldrive 1I:1:3 (port 1I:box 1:bay 3, SAS, 300 GB, OK, spare)\n");
}
