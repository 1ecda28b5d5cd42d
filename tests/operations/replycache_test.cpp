// The reply cache: one answer per question and controller within a rescan, nothing kept outside
// one or from an earlier one, and nothing read after a change.
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "controller/bmiccommands.h"
#include "core/rescanpass.h"
#include "operations/replycache.h"
#include "operations/writelockstoragesystem.h"
#include "operations/writeunlockstoragesystem.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemalogicaldrive.h"
#include "schema/schemamodroot.h"
#include "schema/schemastoragesystem.h"

namespace {

using Core::RescanPass;
using Operations::ReplyCache;
using Operations::executeCachedCommand;

// A controller (or storage system) that counts the requests reaching it and answers each
// question with a buffer whose first byte is the number of the answer.
template <class Box>
class Counting : public Box {
public:
    using Box::Box;

    bool sendBMICCommand(BMICDevice::BMICRequest& request) override
    {
        ++sent[request.bCommand];
        if (failing) {
            request.dwLowLevelStatus = 0x80000001u;
            return false;
        }
        if (request.eTransferType == BMICDevice::TRANSFER_FROM_CONTROLLER && request.pData != nullptr)
            static_cast<std::uint8_t*>(request.pData)[0] = ++answers;
        return true;
    }

    std::map<unsigned, int> sent;
    bool failing = false;
    std::uint8_t answers = 0;
};

class CountingController : public Counting<Schema::ArrayController> {
public:
    explicit CountingController(ImgrHandle handle)
        : Counting("counting", ConcreteBMICDevice(handle, false, 32, 128, false))
    {
    }
};

class ReplyCacheTest : public testing::Test {
protected:
    void SetUp() override { ReplyCache::Drop(); }
    void TearDown() override { ReplyCache::Drop(); }

    unsigned identify(BMICDevice& channel, Core::OperationReturn& result)
    {
        SenseControllerCommand<IdentifyControllerTrait> command;
        executeCachedCommand(command, channel, result);
        return command.result().bConfiguredLogicalDrives;
    }
    unsigned identify(BMICDevice& channel)
    {
        Core::OperationReturn result;
        return identify(channel, result);
    }
    unsigned status(BMICDevice& channel, std::uint16_t number)
    {
        SenseLogicalDriveCommand<SenseLogicalDriveStatusTrait> command(number);
        Core::OperationReturn result;
        executeCachedCommand(command, channel, result);
        return command.result().bUnitStatus;
    }

    // The controller sits below a root, as in any tree, so that its children reach it.
    Core::DevicePtr root = Schema::ModRoot::create();
    Core::DevicePtr holder{new CountingController(7)};
    CountingController* controller = root->receive(holder) ? static_cast<CountingController*>(holder.get()) : nullptr;
};

TEST_F(ReplyCacheTest, OutsideARescanEveryQuestionReachesTheController)
{
    EXPECT_EQ(identify(*controller), 1u);
    EXPECT_EQ(identify(*controller), 2u);
    EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 2);
    EXPECT_EQ(ReplyCache::size(), 0u);
}

TEST_F(ReplyCacheTest, WithinARescanAQuestionIsAskedOnceAndTheNextRescanAsksAgain)
{
    {
        const RescanPass rescan;
        EXPECT_EQ(identify(*controller), 1u);
        EXPECT_EQ(identify(*controller), 1u);
        EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 1);
    }
    EXPECT_EQ(identify(*controller), 2u) << "between rescans the controller is asked";
    const RescanPass next;
    EXPECT_EQ(identify(*controller), 3u) << "a new rescan never hears an earlier one's answer";
    EXPECT_EQ(identify(*controller), 3u);
}

// Discovery asks a controller it finds through the controller's own channel before the controller
// is in the tree; the controller's reader, later in the same rescan, hears those answers.
TEST_F(ReplyCacheTest, AControllersOwnChannelAndItsDeviceShareTheAnswersOfARescan)
{
    Counting<ConcreteBMICDevice> discovery(7, false, 32, 128, false);
    Counting<ConcreteBMICDevice> otherController(8, false, 32, 128, false);
    const RescanPass rescan;
    EXPECT_EQ(identify(discovery), 1u);
    EXPECT_EQ(identify(*controller), 1u);
    EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 0);
    EXPECT_EQ(identify(otherController), 1u);
    EXPECT_EQ(otherController.sent[IdentifyControllerTrait::command()], 1) << "another handle, another controller";
}

TEST_F(ReplyCacheTest, AnythingButASenseForgetsEveryAnswer)
{
    const RescanPass rescan;
    CountingController other(8);
    identify(*controller);
    identify(other);
    SetControllerCommand<SetControllerParametersTrait> write(CONTROLLER_PARAMETERS{});
    Core::OperationReturn result;
    executeCachedCommand(write, *controller, result);
    EXPECT_EQ(ReplyCache::size(), 0u);
    identify(*controller);
    identify(*controller);
    identify(other);
    EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 2) << "asked again once after the write";
    EXPECT_EQ(other.sent[IdentifyControllerTrait::command()], 2);

    SenseControllerCommand<LockManagementTrait> lock;
    executeCachedCommand(lock, *controller, result);
    executeCachedCommand(lock, *controller, result);
    EXPECT_EQ(controller->sent[LockManagementTrait::command()], 2) << "a lock request is never answered from the cache";
    identify(*controller);
    EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 2) << "a sense that is not kept forgets nothing";
}

TEST_F(ReplyCacheTest, AFailedQuestionIsAskedAgainAndFailsAsWithoutTheCache)
{
    const RescanPass rescan;
    controller->failing = true;
    Core::OperationReturn first;
    identify(*controller, first);
    EXPECT_FALSE(first);
    controller->failing = false;
    Core::OperationReturn second;
    EXPECT_EQ(identify(*controller, second), 1u);
    EXPECT_TRUE(second);
    EXPECT_EQ(controller->sent[IdentifyControllerTrait::command()], 2);
}

TEST_F(ReplyCacheTest, DrivesBelowAControllerShareItsSessionAndAreForgottenOneByOne)
{
    ASSERT_TRUE(controller->receive(Core::DevicePtr(new Schema::Array(0, {}, {}, {}, {}, {}))));
    const Core::DevicePtr array = *controller->beginChild();
    ASSERT_TRUE(array->receive(Core::DevicePtr(new Schema::LogicalDrive(1, 0))));
    const Core::DevicePtr drive = *array->beginChild();
    auto& channel = dynamic_cast<BMICDevice&>(*drive);

    const RescanPass rescan;
    EXPECT_EQ(status(channel, 0), 1u);
    EXPECT_EQ(status(channel, 1), 2u);
    EXPECT_EQ(status(*controller, 0), 1u) << "the controller answers from the same session";
    ReplyCache::ForgetUnit(*drive, 0);
    EXPECT_EQ(status(channel, 0), 3u);
    EXPECT_EQ(status(channel, 1), 2u);
    EXPECT_EQ(controller->sent[SenseLogicalDriveStatusTrait::command()], 3);
}

TEST_F(ReplyCacheTest, APhysicalDriveIsForgottenByItsIndex)
{
    const RescanPass rescan;
    for (std::uint16_t index : {5, 261, 5, 261}) {
        SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> command(index);
        Core::OperationReturn result;
        executeCachedCommand(command, *controller, result);
    }
    EXPECT_EQ(controller->sent[IdentifyPhysicalDriveTrait::command()], 2);
    ReplyCache::ForgetPhysicalDrive(*controller, 261);
    EXPECT_EQ(ReplyCache::size(), 1u) << "drive 5 shares the low byte of 261 but not its high byte";
}

// A lock request may change what the storage system answers: the same question asked before and
// after it reaches the system both times, and the controllers' kept answers go too.
TEST_F(ReplyCacheTest, ALockRequestBetweenTwoReadsLetsTheSecondReadAskAgain)
{
    using CountingSystem = Counting<Schema::StorageSystem>;
    const Core::DevicePtr held(
        new CountingSystem("SGV0511017", "model", "fibre", ConcreteBMICDevice(9, true, 32, 128, false)));
    ASSERT_TRUE(root->receive(held));
    auto& system = static_cast<CountingSystem&>(*held);
    const std::function<Core::OperationReturn()> writes[] = {
        [&] { return Operations::WriteLockStorageSystem().visit(system); },
        [&] { return Operations::WriteUnlockStorageSystem().visit(system); },
    };
    const RescanPass rescan;
    for (const auto& write : writes) {
        const unsigned systemBefore = identify(system), controllerBefore = identify(*controller);
        ASSERT_EQ(identify(system), systemBefore) << "answered from the cache";
        EXPECT_TRUE(write());
        EXPECT_NE(identify(system), systemBefore);
        EXPECT_NE(identify(*controller), controllerBefore);
    }
}

} // namespace
