#include "controller/imhandleiterator.h"

#include <cstdlib>
#include <filesystem>

#include "controller/bmiccommands.h"
#include "controller/bmiclayouts.h"
#include "controller/concretebmicdevice.h"

#include "controller/fibrehbaiterator.h"
#include "controller/localarraycontrolleriterator.h"
#include "controller/logicaldriveiterator.h"
#include "controller/remotearraycontrolleriterator.h"
#include "tests/controller/fakeimgr.h"

namespace {

class IteratorTest : public FakeImgr::Test {
protected:
    // Children 1..count of every parent, then "no more objects"; index
    // `failing` answers another error.
    void children(std::uint32_t count, std::uint32_t failing = 1000)
    {
        fake().enumerate = [=](ImgrHandle, std::uint32_t, std::uint32_t index, ImgrHandle* child) {
            if (index == failing)
                return IMGR_STATUS_INVALID_REQUEST;
            if (index >= count)
                return IMGR_STATUS_NO_MORE_OBJECTS;
            *child = index + 1;
            return IMGR_STATUS_OK;
        };
    }

    // Information records per (handle, class).
    std::map<std::pair<ImgrHandle, std::uint32_t>, std::vector<std::uint8_t>> info;

    template <class Record>
    void give(ImgrHandle handle, std::uint32_t infoClass, const Record& record)
    {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
        info[{handle, infoClass}].assign(bytes, bytes + sizeof(record));
    }

    void SetUp() override
    {
        FakeImgr::Test::SetUp();
        fake().getInfo = [this](ImgrHandle handle, std::uint32_t infoClass, void* buffer, std::uint32_t* length) {
            auto found = info.find({handle, infoClass});
            if (found == info.end() || *length < found->second.size()) {
                return IMGR_STATUS_INVALID_REQUEST;
            }
            std::copy(found->second.begin(), found->second.end(), static_cast<std::uint8_t*>(buffer));
            return IMGR_STATUS_OK;
        };
    }
};

ImgrHostDeviceInfo controllerInfo(std::uint32_t boardId, std::uint16_t type = 2)
{
    ImgrHostDeviceInfo host{};
    host.wDeviceType = type;
    host.dwBoardID = boardId;
    host.bSlot = 3;
    return host;
}

TEST_F(IteratorTest, LocalControllersNeedTypeBoardAndAnAnswer)
{
    children(5, 2);
    give(1, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E114070)); // taken
    give(2, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E11406F)); // board too old
    give(4, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E114070, 3)); // not a controller
    give(5, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E114070)); // does not answer
    fake().control = [](const FakeImgr::ControlCall& call, void* record) {
        auto* bmic = static_cast<ImgrBmicRecord*>(record);
        if (call.handle == 5)
            return IMGR_STATUS_INVALID_HANDLE;
        auto* parameters = static_cast<CONTROLLER_PARAMETERS*>(bmic->pData);
        std::memcpy(parameters->sAccessID, "ACCESS-ID-OF-16!", 16); // no terminator
        return IMGR_STATUS_OK;
    };
    LocalArrayControllerIterator controllers;
    EXPECT_EQ(std::vector<ImgrHandle>(controllers.begin(), controllers.end()), std::vector<ImgrHandle>{1});
    EXPECT_EQ(controllers.getAccessID(1), "ACCESS-ID-OF-16!");
    EXPECT_EQ(controllers.getHostDeviceInfo(1).bSlot, 3);
    EXPECT_EQ(controllers.getHostDeviceInfo(99).bSlot, 0);
    EXPECT_EQ(fake().calls[0].as<ImgrBmicRecord>().bCommand, 0x64);
    // The root and every child not taken are closed again.
    const ImgrHandle root = fake().opened.at(0);
    EXPECT_EQ(fake().closed, (std::vector<ImgrHandle>{2, 4, 5, root}));
}

// The probe goes out the way the caller says: here an answer of the caller's own, so that the
// library is never asked, and a refusal, so that the controller is not taken.
TEST_F(IteratorTest, TheCallersSenderCarriesTheProbe)
{
    children(2);
    give(1, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E114070));
    give(2, IMGR_INFO_HOST_DEVICE, controllerInfo(0x0E114070));
    const LocalArrayControllerIterator::Sender answerForFirst = [](BmicCommand& command, BMICDevice& channel) {
        if (static_cast<ConcreteBMICDevice&>(channel).handle() != 1)
            return false;
        auto& parameters = static_cast<SenseControllerCommand<SenseControllerParametersTrait>&>(command);
        std::memcpy(parameters.buffer().sAccessID, "KEPT", 4);
        return true;
    };
    LocalArrayControllerIterator controllers(answerForFirst);
    EXPECT_EQ(std::vector<ImgrHandle>(controllers.begin(), controllers.end()), std::vector<ImgrHandle>{1});
    EXPECT_EQ(controllers.getAccessID(1), "KEPT");
    EXPECT_TRUE(fake().calls.empty());
}

TEST_F(IteratorTest, LibraryThatNeverEndsAnEnumerationDoesNotHang)
{
    fake().enumerate = [](ImgrHandle, std::uint32_t, std::uint32_t, ImgrHandle* child) {
        *child = 1;
        return IMGR_STATUS_OK;
    };
    LocalArrayControllerIterator controllers;
    EXPECT_TRUE(controllers.empty());
    EXPECT_EQ(fake().closed.size(), IMHandleIterator::MAX_INDEX + 1);
}

TEST_F(IteratorTest, GarbageFromTheLibraryIsSurvived)
{
    std::size_t taken = 0;
    for (unsigned seed = 0; seed < 50; ++seed) {
        std::mt19937 random(seed);
        fake().enumerate = [&random](ImgrHandle, std::uint32_t, std::uint32_t, ImgrHandle* child) {
            *child = random() % 8;
            return random() % 16 ? IMGR_STATUS_OK : static_cast<ImgrStatus>(random() % 5);
        };
        fake().getInfo = [&random](ImgrHandle, std::uint32_t infoClass, void* buffer, std::uint32_t* length) {
            auto* bytes = static_cast<std::uint8_t*>(buffer);
            for (std::uint32_t i = 0; i < *length; ++i)
                bytes[i] = static_cast<std::uint8_t>(random());
            if (infoClass == IMGR_INFO_HOST_DEVICE)
                bytes[0] = 2, bytes[1] = 0; // a controller
            *length = static_cast<std::uint32_t>(random());
            return random() % 2 ? IMGR_STATUS_OK : IMGR_STATUS_INVALID_REQUEST;
        };
        fake().control = FakeImgr::garbage(seed);
        LocalArrayControllerIterator controllers;
        taken += controllers.size();
        for (ImgrHandle handle : controllers) {
            EXPECT_LE(controllers.getAccessID(handle).size(), 16u);
            LogicalDriveIterator drives(handle);
            for (ImgrHandle drive : drives)
                EXPECT_LE(drives.getDriveAccessName(drive).size(), 24u);
        }
    }
    EXPECT_GT(taken, 0u);
}

TEST_F(IteratorTest, NothingIsEnumeratedWhenTheLibraryIsNotReady)
{
    fake().libraryPresent = false;
    LocalArrayControllerIterator controllers;
    FibreHBAIterator adapters;
    EXPECT_TRUE(controllers.empty());
    EXPECT_TRUE(adapters.empty());
}

TEST_F(IteratorTest, RemoteChildrenMustNameAnArrayController)
{
    children(3);
    ImgrRemoteDeviceInfo controller{};
    controller.wDeviceType = 12;
    std::memcpy(controller.szDeviceText, "ARRAY CONTROLLER", 16);
    controller.bPort = 1;
    ImgrRemoteDeviceInfo tape = controller;
    std::memcpy(tape.szDeviceText, "TAPE DRIVE      ", 16);
    ImgrRemoteDeviceInfo wrongType = controller;
    wrongType.wDeviceType = 2;
    give(1, IMGR_INFO_REMOTE_DEVICE, tape);
    give(2, IMGR_INFO_REMOTE_DEVICE, controller);
    give(3, IMGR_INFO_REMOTE_DEVICE, wrongType);
    RemoteArrayControllerIterator remote(0x99);
    EXPECT_EQ(std::vector<ImgrHandle>(remote.begin(), remote.end()), std::vector<ImgrHandle>{2});
    EXPECT_EQ(remote.getRemoteDeviceInfo(2).bPort, 1);
}

TEST_F(IteratorTest, FibreAdaptersAnswerHostAndFibreInformation)
{
    children(2);
    ImgrFibreDeviceInfo fibre{};
    fibre.abNodeWWN[0] = 0x50;
    give(1, IMGR_INFO_HOST_DEVICE, controllerInfo(1, 3));
    give(1, IMGR_INFO_FIBRE_DEVICE, fibre);
    give(2, IMGR_INFO_HOST_DEVICE, controllerInfo(1, 3));
    FibreHBAIterator adapters;
    ASSERT_EQ(adapters.size(), 1u);
    EXPECT_EQ(adapters.getFibreDeviceInfo(1).abNodeWWN[0], 0x50);
}

TEST_F(IteratorTest, LogicalDrivesWithAndWithoutAccessNames)
{
    children(3);
    give(1, IMGR_INFO_DRIVE_NUMBER, ImgrDriveNumberInfo{0, 4, 0});
    ImgrAccessNameInfo name{};
    std::memcpy(name.szAccessName, "/dev/sdzzzzzzzzzzzzzzzzz", 24); // all 24 bytes used
    name.bFlags = IMGR_ACCESS_NAME_IN_USE;
    give(1, IMGR_INFO_ACCESS_NAME, name);
    give(3, IMGR_INFO_DRIVE_NUMBER, ImgrDriveNumberInfo{0, 9, 0});
    LogicalDriveIterator drives(0x10);
    EXPECT_EQ(std::vector<ImgrHandle>(drives.begin(), drives.end()), (std::vector<ImgrHandle>{1, 3}));
    EXPECT_EQ(drives.getLogicalDriveNumber(1), 4);
    EXPECT_TRUE(drives.isLogicalDriveInUse(1));
    EXPECT_EQ(drives.getDriveAccessName(1), "/dev/sdzzzzzzzzzzzzzzzzz");
    EXPECT_EQ(drives.getLogicalDriveNumber(3), 9);
    EXPECT_FALSE(drives.isLogicalDriveInUse(3));
    EXPECT_EQ(drives.getDriveAccessName(3), "");
}

} // namespace

namespace {

// The simulated library built beside the tool, in a state directory of its own that goes with it.
class SimulatedLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(mkdtemp(stateDir), nullptr);
        setenv("VNLSIM_STATE", (std::string(stateDir) + "/state").c_str(), 1);
        ImgrImport::SetLoader(ImgrImport::LibraryLoader(VNLSIM_LIBRARY));
    }
    void TearDown() override
    {
        ImgrImport::SetLoader(nullptr);
        unsetenv("VNLSIM_STATE");
        std::filesystem::remove_all(stateDir);
    }

    char stateDir[21] = "/tmp/vnl-wire-XXXXXX";
};

TEST_F(SimulatedLibrary, ControllersAreFoundAndAnswerIdentify)
{
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_OK);
    LocalArrayControllerIterator controllers;
    ASSERT_FALSE(controllers.empty());
    std::size_t logicalDrives = 0;
    for (ImgrHandle handle : controllers) {
        ConcreteBMICDevice channel(handle, false, 32, 128, false);
        SenseControllerCommand<IdentifyControllerTrait> identify;
        EXPECT_TRUE(identify(channel));
        EXPECT_EQ(+identify.result().dwBoardID, +controllers.getHostDeviceInfo(handle).dwBoardID);
        logicalDrives += LogicalDriveIterator(handle).size();
    }
    EXPECT_GT(logicalDrives, 0u); // the default hardware has configured drives
}

} // namespace
