// The selective-storage-presentation writes on the simulated storage system of the external
// preset (logical drives 0 and 1; hosts web01 and web02 may reach drive 0, backup both): SSP
// switched off and on, access granted and taken away, hosts named and given host modes, each
// read back by a new tree as the next process reads it.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "schema/schemastoragesystem.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace System = Interface::StorageMod::StorageSystem;
namespace Host = Interface::StorageMod::Initiator;

const char WEB01[] = "5A0E0D0000010001";
const char BACKUP[] = "5A0E0D0000020001";

// "drive:initiator" for every pair of the access list.
std::set<std::string> access(const Tree& tree)
{
    std::set<std::string> pairs;
    for (const auto& [drive, id] : dynamic_cast<Schema::StorageSystem&>(*tree.storageSystem()).aclEntryList())
        pairs.insert(std::to_string(drive) + ":" + id.c_str());
    return pairs;
}

Core::DevicePtr host(const Tree& tree, const char* id)
{
    for (const Core::DevicePtr& initiator : SimTree::devicesOf(tree.root, ATTR_VALUE_TYPE_INITIATOR))
        if (initiator->getValueFor(Host::ATTR_NAME_INITIATOR_ID) == id)
            return initiator;
    return Core::DevicePtr();
}

std::string value(const Core::DevicePtr& device, const char* name)
{
    return device ? device->getValueFor(name).c_str() : "(none)";
}

Core::OperationReturn setAccess(const Core::DevicePtr& drive, const Core::DevicePtr& initiator, bool allowed)
{
    const Core::DeviceOperationPtr op = drive->getOperation(Config::OPERATION_WRITE_MANAGE_SSP_ACL);
    op->SetArgument({allowed ? Core::DeviceOperation::ACTION_ADD : Core::DeviceOperation::ACTION_REMOVE,
                     Core::Attribute(ATTR_NAME_UNIQUE_ID, initiator ? initiator->toString() : "nobody")});
    return drive->perform(op);
}

class SspWrites : public ::testing::Test {
protected:
    Tree tree{SimTree::makeState("external"), Tree::FromState{}};
    const std::set<std::string> before = access(tree);
};

TEST_F(SspWrites, SwitchingSspOffAndOnAgainKeepsEveryAccessList)
{
    for (const char* state : {System::ATTR_VALUE_SSP_STATE_DISABLED, System::ATTR_VALUE_SSP_STATE_ENABLED}) {
        ASSERT_TRUE(Tree::perform(tree.storageSystem(), Config::OPERATION_WRITE_MANAGE_SSP_STATE,
                                  {{System::ATTR_NAME_SSP_STATE, state}}));
        const Tree next(Tree::SameControllers{}, tree);
        EXPECT_EQ(value(next.storageSystem(), System::ATTR_NAME_SSP_STATE), state);
        EXPECT_EQ(value(next.logicalDrives().front(), System::ATTR_NAME_SSP_STATE), state);
    }
    EXPECT_EQ(access(Tree(Tree::SameControllers{}, tree)), before);
    EXPECT_EQ(status(Tree::perform(tree.storageSystem(), Config::OPERATION_WRITE_MANAGE_SSP_STATE,
                                   {{System::ATTR_NAME_SSP_STATE, "on"}})),
              ATTR_VALUE_STATUS_ARGUMENT_INVALID);
}

TEST_F(SspWrites, AccessChangesOnlyForTheDriveAndHostsNamed)
{
    const Core::DevicePtr second = tree.logicalDrives().back();
    ASSERT_TRUE(setAccess(second, host(tree, WEB01), true));
    ASSERT_TRUE(setAccess(second, host(tree, BACKUP), false));
    Tree next(Tree::SameControllers{}, tree);
    std::set<std::string> changed = before;
    ASSERT_EQ(changed.erase(std::string("1:") + BACKUP), 1u);
    changed.insert(std::string("1:") + WEB01);
    EXPECT_EQ(access(next), changed);
    EXPECT_EQ(value(next.storageSystem(), System::ATTR_NAME_SSP_STATE), System::ATTR_VALUE_SSP_STATE_ENABLED);
    // A host that is not in the tree fails the whole change.
    EXPECT_EQ(status(setAccess(next.logicalDrives().front(), Core::DevicePtr(), false)),
              ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(access(Tree(Tree::SameControllers{}, tree)), access(next));
}

TEST_F(SspWrites, HostsAreNamedAndGivenHostModesTheControllerOffers)
{
    const Core::DevicePtr web01 = host(tree, WEB01);
    ASSERT_TRUE(
        Tree::perform(web01, Config::OPERATION_WRITE_MANAGE_HOST_MODE, {{Host::ATTR_NAME_HOST_MODE, "Legacy"}}));
    ASSERT_TRUE(Tree::perform(web01, Config::OPERATION_WRITE_MANAGE_CONNECTION_NAME,
                              {{Host::ATTR_NAME_CONNECTION_NAME, "sixteen chars ok"}}));
    EXPECT_EQ(status(Tree::perform(web01, Config::OPERATION_WRITE_MANAGE_CONNECTION_NAME,
                                   {{Host::ATTR_NAME_CONNECTION_NAME, "seventeen chars!!"}})),
              ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    EXPECT_EQ(
        status(Tree::perform(web01, Config::OPERATION_WRITE_MANAGE_HOST_MODE, {{Host::ATTR_NAME_HOST_MODE, "legacy"}})),
        ATTR_VALUE_STATUS_ARGUMENT_INVALID);
    Tree next(Tree::SameControllers{}, tree);
    EXPECT_EQ(value(host(next, WEB01), Host::ATTR_NAME_CONNECTION_NAME), "sixteen chars ok");
    EXPECT_EQ(value(host(next, WEB01), Host::ATTR_NAME_HOST_MODE), "Legacy");
    EXPECT_EQ(access(next), before);

    // A host without a name has no host mode to set.
    ASSERT_TRUE(Tree::perform(host(next, WEB01), Config::OPERATION_WRITE_MANAGE_CONNECTION_NAME,
                              {{Host::ATTR_NAME_CONNECTION_NAME, ""}}));
    next.rescan();
    EXPECT_EQ(value(host(next, WEB01), Host::ATTR_NAME_CONNECTION_NAME), "");
    EXPECT_EQ(Tree::unavailableReason(host(next, WEB01), Config::OPERATION_WRITE_MANAGE_HOST_MODE),
              ATTR_VALUE_UNAVAILABLE_REASON_REQUIRES_CONNECTION_NAME);
}

TEST_F(SspWrites, ANewHostIsKnownByItsIdentifierBeforeItLogsIn)
{
    const Core::DevicePtr system = tree.storageSystem();
    for (const char* id : {"5A0E0D00000300", "5A0E0D00000300XY", "0000000000000000"})
        EXPECT_EQ(status(Tree::perform(system, Config::OPERATION_WRITE_CREATE_INITIATOR,
                                       {{Host::ATTR_NAME_INITIATOR_ID, id}})),
                  ATTR_VALUE_STATUS_ARGUMENT_INVALID)
            << id;
    ASSERT_TRUE(
        Tree::perform(system, Config::OPERATION_WRITE_CREATE_INITIATOR,
                      {{Host::ATTR_NAME_INITIATOR_ID, "5a0e0d000003000a"}, {Host::ATTR_NAME_CONNECTION_NAME, "db"}}));
    const Core::DevicePtr added = host(Tree(Tree::SameControllers{}, tree), "5A0E0D000003000A");
    EXPECT_EQ(value(added, Host::ATTR_NAME_CONNECTION_NAME), "db");
    EXPECT_EQ(value(added, Host::ATTR_NAME_HOST_MODE), "Default");
}

TEST(SspWritesOffered, OnlyWhereAStorageSystemKeepsAccessLists)
{
    const Tree local(SimTree::makeState("server"), Tree::FromState{});
    EXPECT_EQ(Tree::unavailableReason(local.logicalDrives().front(), Config::OPERATION_WRITE_MANAGE_SSP_ACL),
              ATTR_VALUE_UNAVAILABLE_REASON_SSP_NOT_SUPPORTED);
    EXPECT_FALSE(local.controller()->hasOperation(Config::OPERATION_WRITE_MANAGE_SSP_STATE));
}

} // namespace
