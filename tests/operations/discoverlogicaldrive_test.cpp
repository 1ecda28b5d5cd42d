// Discovery of arrays, logical drives and drives against the simulated controllers of the
// "server" preset: an embedded controller with a mirrored boot drive, and a controller in slot 3
// with arrays A (two RAID 5 logical drives, a spare) and B (two RAID 1 logical drives),
// unassigned SAS and SATA drives and a tape drive.
#include "operations/discoverlogicaldrive.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "controller/imgrimport.h"
#include "controller/localarraycontrolleriterator.h"
#include "operations/discoverarray.h"
#include "operations/discoverphysicaldrive.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemaphysicaldrive.h"
#include "tests/operations/discoverytree.h"

namespace Facts = Interface::StorageMod;

namespace {

class ServerPreset : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vnl-discdrives-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_state = pattern;
        ::setenv("VNLSIM_STATE", m_state.c_str(), 1);
        ImgrImport::SetLoader(ImgrImport::LibraryLoader(VNLSIM_LIBDIR "/libzqvimgr.so"));
        sim("init --preset server");
        const LocalArrayControllerIterator controllers;
        ASSERT_EQ(controllers.size(), 2u);
        for (const ImgrHandle handle : controllers) {
            auto* controller = new Schema::ArrayController(("h" + std::to_string(handle)).c_str(),
                                                           ConcreteBMICDevice(handle, false, 32, 128, false));
            controller->Receive(Core::Attribute(Facts::ATTR_NAME_LOCATION, Facts::ATTR_VALUE_LOCATION_LOCAL));
            m_tree.root->receive(Core::DevicePtr(controller));
            m_controllers.push_back(controller);
        }
    }

    void TearDown() override
    {
        ImgrImport::SetLoader(nullptr);
        std::system(("rm -rf " + m_state).c_str());
    }

    void sim(const std::string& arguments)
    {
        const std::string command = "VNLSIM_STATE=" + m_state + " " VNLSIM_TOOL " " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Arrays, then their logical drives, then the drives, as a rescan orders them.
    Core::OperationReturn discoverAll(Schema::ArrayController& controller)
    {
        Core::OperationReturn result = Operations::DiscoverArray().discover(controller, controller);
        for (Schema::Array* array : childrenOf<Schema::Array>(controller))
            EXPECT_TRUE(Operations::DiscoverLogicalDrive().visit(*array));
        if (result)
            result = Operations::DiscoverPhysicalDrive().discover(controller, controller);
        return result;
    }

    std::string m_state;
    DiscoveryTree m_tree;
    std::vector<Schema::ArrayController*> m_controllers;
};

std::string typeOf(const Schema::PhysicalDrive* drive)
{
    return drive->getValueFor(Facts::ATTR_NAME_DRIVE_TYPE).c_str();
}

} // namespace

TEST_F(ServerPreset, ASpareStandingInForAFailedDriveIsAnActiveSpareAndAnUncoveredFailureIsKept)
{
    sim("fail-drive slot3 1E:1:1");
    sim("fail-drive slot3 2E:1:1");
    Schema::ArrayController& slot3 = *m_controllers[1];
    ASSERT_TRUE(discoverAll(slot3));
    const auto drives = childrenOf<Schema::PhysicalDrive>(slot3);
    ASSERT_EQ(drives.size(), 11u);
    EXPECT_EQ(typeOf(drives[3]), Facts::ATTR_VALUE_DRIVE_TYPE_SPARE);
    EXPECT_EQ(drives[3]->getValueFor(Facts::ATTR_NAME_IS_ACTIVE_SPARE), Facts::ATTR_VALUE_IS_ACTIVE_SPARE_TRUE);
    EXPECT_EQ(drives[4]->getValueFor(Facts::ATTR_NAME_IS_ACTIVE_SPARE), Facts::ATTR_VALUE_IS_ACTIVE_SPARE_FALSE);
    const auto arrays = childrenOf<Schema::Array>(slot3);
    ASSERT_EQ(arrays.size(), 2u);
    EXPECT_TRUE(arrays[0]->activeSpareList().test(3));
    EXPECT_TRUE(arrays[1]->failedDriveList().test(4)) << "array B has no spare";
}

TEST_F(ServerPreset, AControllerThatDoesNotAnswerGetsNoArraysOrDrivesAndSaysWhy)
{
    sim("comm-error slot3 on");
    Schema::ArrayController& slot3 = *m_controllers[1];
    const Core::OperationReturn result = discoverAll(slot3);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.status(), Common::string(Facts::ATTR_VALUE_STATUS_COMMUNICATION_ERROR));
    EXPECT_TRUE(slot3.beginChild() == slot3.endChild());
    EXPECT_TRUE(discoverAll(*m_controllers[0])) << "the other controller is not affected";
}
