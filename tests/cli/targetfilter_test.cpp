#include "cli/targetfilter.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>
#include <type_traits>

#include "cli/clierror.h"
#include "cli/cliformatter.h"
#include "cli/clisort.h"
#include "cli/consoleoutput.h"
#include "cli/storagesystemlock.h"
#include "schema/configmod.h"
#include "tests/cli/showtree.h"

namespace {

using namespace ShowTree;
namespace Config = Interface::ConfigMod;
using Keys = std::vector<std::string>;

std::string errorText(const std::string& message) { return "\n" + CFormatter::format(message, "Error: ", 79) + "\n\n"; }

// A target filter on a hand-built tree, printing to `printed`, errors
// included. Rescans and re-reads are counted, re-reads can be made to fail,
// and storage systems answer the lock operations from `lockedElsewhere`.
class TestFilter : public TargetFilter {
public:
    explicit TestFilter(const Core::DevicePtr& tree) : TargetFilter(&printed), m_tree(tree) {}

    Keys select(const std::string& line, bool changing = false, bool quiet = false)
    {
        CError::reset();
        printed.str("");
        const DeviceVector none;
        input(line, none.begin(), none.end(), quiet, changing);
        shown = printed.str();
        DeviceVector devices;
        output(devices);
        Keys keys;
        for (const Core::DevicePtr& device : devices)
            keys.push_back(key(device));
        return keys;
    }

    // What a command prints while it holds the storage-system locks.
    std::string lockAndUnlock()
    {
        printed.str("");
        {
            const StorageSystemLock locks(*this);
            lockedDuringCommand = m_lockedControllers.size();
        }
        return printed.str();
    }

    std::ostringstream printed;
    std::string shown;
    unsigned rescans = 0;
    Keys reread;
    std::map<std::string, Core::OperationReturnList> rereadResults;
    std::map<std::string, bool> lockedElsewhere;
    std::vector<std::string> lockCalls;
    std::size_t lockedDuringCommand = 0;

protected:
    Core::DevicePtr root() const override { return m_tree; }
    void Rescan() override { ++rescans; }
    Core::OperationReturnList reenumerate(const Core::DevicePtr& device) override
    {
        reread.push_back(key(device));
        return rereadResults[key(device)];
    }
    Core::DevicePtr lockableSystem(const Core::DevicePtr& controller) const override
    {
        const Core::DevicePtr parent = controller->pParent();
        return parent && parent->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_STORAGE_SYSTEM ? parent
                                                                                               : Core::DevicePtr();
    }
    Core::OperationReturn performOperation(const Core::DevicePtr& system, const char* operation) override
    {
        const bool lock = std::string(operation) == Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM;
        lockCalls.push_back((lock ? "lock " : "unlock ") + key(system));
        const char* state = lockedElsewhere[key(system)] ? Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_OTHER
            : lock                                       ? Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS
                                                         : Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE;
        system->Receive(Core::Attribute(Config::ATTR_NAME_LOCK_STATE, state));
        return Core::OperationReturn();
    }

private:
    ConsoleOutput::Binding m_output{&printed};
    Core::DevicePtr m_tree;
};

static_assert(!std::is_copy_constructible_v<TargetFilter> && !std::is_copy_assignable_v<TargetFilter>);
static_assert(!std::is_copy_constructible_v<StorageSystemLock>);

// Two local controllers (slot 1 with arrays A and B, slot 2 empty), a second
// path to slot 2, a standby controller, and a storage system "Box" with a
// redundant pair reached through the adapter in slot 3.
class Targets : public ::testing::Test {
protected:
    void SetUp() override
    {
        c1 = tree.controller(tree.root, "c1",
                             {{ATTR_NAME_SLOT, "1"},
                              {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "SN1"},
                              {ATTR_NAME_WWN_PORT, "50AB"},
                              {ATTR_NAME_LOCATION, ATTR_VALUE_LOCATION_LOCAL}});
        const Core::DevicePtr arrayA = tree.array(c1, "A1", 0);
        const Core::DevicePtr arrayB = tree.array(c1, "B1", 1);
        tree.logicalDrive(arrayA, "L1", 0);
        tree.logicalDrive(arrayA, "L2", 1);
        tree.logicalDrive(arrayB, "L3", 2);
        member(arrayA, tree.drive(c1, "d1", "1I", 1, 1, ATTR_VALUE_DRIVE_TYPE_DATA));
        member(arrayA, tree.drive(c1, "d2", "1I", 1, 2, ATTR_VALUE_DRIVE_TYPE_DATA));
        const Core::DevicePtr spare = tree.drive(c1, "s1", "1I", 1, 3, ATTR_VALUE_DRIVE_TYPE_SPARE);
        member(arrayA, spare, ASSOCIATION_SPARE_DRIVE);
        // As discovery links them: from the array to the drive only.
        link(arrayB, ASSOCIATION_DATA_DRIVE, tree.drive(c1, "d3", "1I", 1, 4, ATTR_VALUE_DRIVE_TYPE_DATA));
        member(arrayB, spare, ASSOCIATION_SPARE_DRIVE);
        tree.drive(c1, "u1", "2E", 1, 1, ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);
        tree.tape(c1, "t1");
        tree.controller(tree.root, "c2", {{ATTR_NAME_SLOT, "2"}, {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "SN2"}});
        tree.controller(tree.root, "c2again", {{ATTR_NAME_SLOT, "7"}, {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "SN2"}});
        tree.controller(tree.root, "standby",
                        {{ATTR_NAME_SLOT, "4"}, {ATTR_NAME_REDUNDANT_STATE, ATTR_VALUE_REDUNDANT_STATE_STANDBY}});
        box = tree.system("S1", {{ATTR_NAME_BOX_NAME, "Box"}, {ATTR_NAME_CHASSIS_SERIAL_NUMBER, "CsN1"}});
        e1 = tree.controller(box, "e1",
                             {{ATTR_NAME_IO_SLOT, "0"},
                              {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "SE1"},
                              {ATTR_NAME_REDUNDANT_STATE, ATTR_VALUE_REDUNDANT_STATE_ACTIVE},
                              {ATTR_NAME_HBA_PORT, "1"},
                              {ATTR_NAME_LOCATION, ATTR_VALUE_LOCATION_REMOTE}});
        e2 = tree.controller(box, "e2",
                             {{ATTR_NAME_IO_SLOT, "1"},
                              {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "SE2"},
                              {ATTR_NAME_REDUNDANT_STATE, ATTR_VALUE_REDUNDANT_STATE_ACTIVE}});
        const Core::DevicePtr arrayX = tree.array(box, "X1", 0);
        tree.logicalDrive(arrayX, "LX", 0);
        member(arrayX, tree.drive(box, "xd", "1E", 1, 1, ATTR_VALUE_DRIVE_TYPE_DATA));
        tree.tape(box, "xt");
        link(tree.adapter("h1", {{ATTR_NAME_SLOT, "3"}}), ASSOCIATION_INTERCONNECT_PATH, e1);
    }

    Tree tree;
    Core::DevicePtr c1, box, e1, e2;
    TestFilter filter{tree.root};
};

} // namespace

// The rest of the grammar's refusals are exercised end to end.
TEST_F(Targets, GrammarErrorsAreReportedAndSelectNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {" array A show", "Expecting \"controller\" in target. Type \"help\" for more information."},
        {"controller slot=1 array A disk 1 show",
         "Invalid target syntax. \"disk\" is not a valid target. Type \"help\" for more details."},
        {"controller slot=1 enclosure 1 show",
         "Invalid target syntax. \"enclosure\" is not a valid target. Type \"help\" for more details."},
        {"controller slot=1 physicaldrive allunassigned extra show",
         "After specifying a wildcard, you cannot specify any further devices in the target."},
    };
    for (const auto& [line, message] : cases) {
        EXPECT_EQ(filter.select(line), Keys{}) << line;
        EXPECT_EQ(filter.shown, errorText(message)) << line;
        EXPECT_EQ(CError::errorCode(), 1) << line;
    }
}

// What is not there is named in the error; those messages are pinned end to end.
TEST_F(Targets, SelectsEachKindOfDevice)
{
    tree.controller(tree.root, "ipf",
                    {{ATTR_NAME_IO_CABINET, "1"}, {ATTR_NAME_IO_BAY, "2"}, {ATTR_NAME_IO_CHASSIS, "3"}});
    const std::string noPD = "The specified controller does not have any physical drives identified by ";
    const std::tuple<std::string, Keys, std::string> cases[] = {
        {"controller slot=1 show", {"c1"}, ""},
        {"controller serialnumber=sn1 show", {"c1"}, ""},
        {"controller wwn=50ab show", {"c1"}, ""},
        {"controller chassisserialnumber=CsN1 show", {"e1"}, ""},
        {"controller ctrlpath=3:2 show", {"e1"}, ""},
        {"controller iocabinet=1 iochassis=3 iobay=2 show", {"ipf"}, ""},
        // Slot 2 seen through a second path is taken once; the standby controller and the one
        // in the second chassis slot of the pair are never taken.
        {"controller all show", {"c1", "c2", "e1", "ipf"}, ""},
        {"controller slot=1 array B show", {"B1"}, ""},
        {"controller slot=1 array all show", {"A1", "B1"}, ""},
        {"controller chassisname=Box array A show", {"X1"}, ""},
        {"controller slot=1 logicaldrive all show", {"L1", "L2", "L3"}, ""},
        {"controller slot=1 logicaldrive 3 show", {"L3"}, ""},
        {"controller slot=1 array A logicaldrive all show", {"L1", "L2"}, ""},
        {"controller chassisname=Box logicaldrive 1 show", {"LX"}, ""},
        {"controller slot=1 physicaldrive all show", {"d1", "d2", "s1", "d3", "u1"}, ""},
        {"controller slot=1 physicaldrive allunassigned show", {"u1"}, ""},
        {"controller slot=1 physicaldrive 1i:1:2 show", {"d2"}, ""},
        {"controller slot=1 array B physicaldrive all show", {"d3", "s1"}, ""},
        {"controller chassisname=Box physicaldrive all show", {"xd"}, ""},
        // A range takes the drives of it that exist; a drive named on its own must exist.
        {"controller slot=1 physicaldrive 1i:1:2-1i:1:9 show", {"d2", "s1", "d3"}, ""},
        {"controller slot=1 physicaldrive 2e:1:1,1i:1:1-1i:1:2,1i:1:1 show", {"u1", "d1", "d2"}, ""},
        {"controller slot=1 physicaldrive 1i:1:1,1i:1:7 show", {}, noPD + "'1I:1:7'"},
        {"controller slot=1 tapedrive all show", {"t1"}, ""},
        {"controller chassisname=Box tapedrive all show", {"xt"}, ""},
    };
    for (const auto& [line, keys, message] : cases) {
        EXPECT_EQ(filter.select(line), keys) << line;
        EXPECT_EQ(filter.shown, message.empty() ? "" : errorText(message)) << line;
    }
}

// Only "all" and "allunassigned" are wildcards: a chassis name that happens
// to hold the letters "all" may be followed by an array.
TEST_F(Targets, ANameHoldingAllIsNoWildcard)
{
    box->Receive(Core::Attribute(ATTR_NAME_BOX_NAME, "Hall"));
    EXPECT_EQ(filter.select("controller chassisname=Hall array A show"), Keys{"X1"});
}

TEST_F(Targets, AllRescansOnceAndANamedControllerIsRereadThroughItsStorageSystem)
{
    filter.select("controller all show");
    EXPECT_EQ(filter.rescans, 1u);
    EXPECT_EQ(filter.reread, Keys{});
    filter.select("controller slot=1 show");
    filter.select("controller chassisname=Box show");
    EXPECT_EQ(filter.reread, (Keys{"c1", "S1"}));
}

// When the controller in the first chassis slot stands by, its partner is the
// way to the storage system.
TEST_F(Targets, APairIsReachedThroughTheControllerThatDoesNotStandBy)
{
    e1->Receive(Core::Attribute(ATTR_NAME_REDUNDANT_STATE, ATTR_VALUE_REDUNDANT_STATE_STANDBY));
    EXPECT_EQ(filter.select("controller all show"), (Keys{"c1", "c2", "e2"}));
    EXPECT_EQ(filter.select("controller chassisserialnumber=CsN1 show"), Keys{"e2"});
}

TEST_F(Targets, ControllersWithoutSerialNumbersAreNotTakenForOneAnother)
{
    Tree empty;
    TestFilter other(empty.root);
    EXPECT_EQ(other.select("controller all show"), Keys{});
    EXPECT_EQ(other.shown, errorText("No controllers detected."));
    empty.controller(empty.root, "a", {{ATTR_NAME_SLOT, "1"}});
    empty.controller(empty.root, "b", {{ATTR_NAME_SLOT, "2"}});
    EXPECT_EQ(other.select("controller all show"), (Keys{"a", "b"}));
}

TEST_F(Targets, ACommunicationFailureWhileRereadingEmptiesTheSelection)
{
    filter.rereadResults["c1"] = {Core::OperationReturn(), Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE),
                                  Core::OperationReturn(ATTR_VALUE_STATUS_COMMUNICATION_ERROR)};
    EXPECT_EQ(filter.select("controller slot=1 array A show"), Keys{});
    EXPECT_EQ(filter.shown,
              errorText("An error occurred when communicating to the controller specified by "
                        "\"slot=1.\" Check hardware and connections."));
}

TEST_F(Targets, TwoSystemsOfOneNameAreRefused)
{
    tree.system("S2", {{ATTR_NAME_BOX_NAME, "Box"}});
    EXPECT_EQ(filter.select("controller chassisname=Box show"), Keys{});
    EXPECT_EQ(filter.shown, errorText("You cannot specify multiple controllers with one chassisname."));
}

// A spare serving arrays A and B is remembered under the array the target named.
TEST_F(Targets, ANamedArraysSparesAreRecordedForTheDisplayOrder)
{
    CLI_SORT::ClearSparesList();
    filter.select("controller slot=1 array B physicaldrive all show");
    EXPECT_EQ(key(CLI_SORT::GetSparesArray(CMFacade().findDrive(c1, {"1I", "1", "3"}))), "B1");
}

TEST_F(Targets, AControllerNeedingNewFirmwareIsShownWithANoticeInsteadOfSelected)
{
    tree.controller(tree.root, "old",
                    {{ATTR_NAME_SLOT, "9"},
                     {ATTR_NAME_CONTROLLER_STATE, ATTR_VALUE_CONTROLLER_STATE_KESTREL_204_FIRMWARE_NEEDS_UPGRADE}});
    for (const std::string line : {"controller slot=9 show", "controller slot=9 array A show"}) {
        EXPECT_EQ(filter.select(line, true), Keys{}) << line;
        const std::string notice = filter.shown;
        EXPECT_EQ(notice.find("Error"), std::string::npos) << notice;
        EXPECT_NE(notice.find("FIRMWARE UPGRADE REQUIRED: The firmware running on this controller has a known"),
                  std::string::npos)
            << notice;
        EXPECT_NE(notice.find("firmware version 2.04."), std::string::npos) << notice;
    }
    filter.select("controller slot=9 show", false, true);
    EXPECT_EQ(filter.shown, "");
}

TEST_F(Targets, ChangingCommandsLockTheStorageSystemAndGiveItBack)
{
    EXPECT_EQ(filter.select("controller chassisname=Box show", true), Keys{"e1"});
    // Selecting probes the lock and leaves it free.
    EXPECT_EQ(filter.lockCalls, (std::vector<std::string>{"lock S1", "unlock S1"}));
    EXPECT_EQ(filter.lockAndUnlock(), "");
    EXPECT_EQ(filter.lockedDuringCommand, 1u);
    EXPECT_EQ(box->getValueFor(Config::ATTR_NAME_LOCK_STATE), Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE);
    EXPECT_EQ(filter.reread, (Keys{"S1", "S1", "S1"}));
}

TEST_F(Targets, ShowIgnoresLocksAndChangingCommandsRefuseALockedSystem)
{
    filter.lockedElsewhere["S1"] = true;
    EXPECT_EQ(filter.select("controller chassisname=Box show"), Keys{"e1"});
    EXPECT_EQ(filter.lockCalls, std::vector<std::string>{});
    EXPECT_EQ(filter.select("controller chassisname=Box array A show", true), Keys{});
    EXPECT_EQ(filter.shown, errorText("\"" + CMFacade().ctrlName(e1) + "\" is locked by another instance of VNL."));
}

TEST_F(Targets, ASystemLockedBetweenSelectionAndCommandIsReported)
{
    filter.select("controller chassisname=Box show", true);
    filter.lockedElsewhere["S1"] = true;
    EXPECT_EQ(filter.lockAndUnlock(), errorText(CMFacade().ctrlName(e1) + " is locked by another instance of VNL."));
    EXPECT_EQ(filter.lockedDuringCommand, 0u);
}
