#include "controller/bmicforwarddevice.h"

#include <gtest/gtest.h>

#include "common/cloneable.h"
#include "controller/scsiforwarddevice.h"
#include "core/devicecomposite.h"

namespace {

using Core::DevicePtr;

template <class Base, class Derived>
class Node : public Common::Cloneable<Base, DevicePtr, Derived> {
public:
    explicit Node(const char* name) : m_name(name) {}
    Core::OperationReturn performImpl(Core::VisitorDevice&) override { return {}; }
    bool operator==(const Core::Device& other) const override { return this->toString() == other.toString(); }

protected:
    Common::string toStringImpl() const override { return m_name; }

private:
    Common::string m_name;
};

class Root : public Node<Core::DeviceComposite, Root> {
public:
    Root() : Node("root") {}
};

// A controller whose channels answer from a script and count what reaches them.
class Controller : public Node<Core::DeviceComposite, Controller>, public BMICDevice, public SCSIDevice {
public:
    Controller() : Node("controller") {}
    bool isRemote() const override { return true; }
    std::uint16_t maxLogicalUnits() const override { return 64; }
    std::uint16_t maxPhysicalUnits() const override { return 256; }
    bool sendBMICCommand(BMICRequest& request) override
    {
        lastCommand = request.bCommand;
        return ++bmicSends > 0;
    }
    bool usesVariableSizeBuffers() const override { return true; }
    bool sendSCSICommand(SCSIRequest&) override { return ++scsiSends > 0; }
    bool rescanScsiBus() override { return true; }

    int bmicSends = 0;
    int scsiSends = 0;
    std::uint8_t lastCommand = 0;
};

class Array : public Node<Core::DeviceComposite, Array>, public BMICForwardDevice {
public:
    Array() : Node("array") {}
};

class Drive : public Node<Core::Device, Drive>, public BMICForwardDevice, public SCSIForwardDevice {
public:
    explicit Drive(const char* name) : Node(name) {}
};

TEST(ForwardDevice, RequestsClimbTheTreeToTheController)
{
    DevicePtr root(new Root);
    auto* controller = new Controller;
    DevicePtr controllerPtr(controller);
    auto* array = new Array;
    DevicePtr arrayPtr(array);
    auto* drive = new Drive("drive");
    DevicePtr drivePtr(drive);
    auto* initiator = new Drive("initiator");
    DevicePtr initiatorPtr(initiator);
    ASSERT_TRUE(root->receive(controllerPtr));
    ASSERT_TRUE(controller->receive(arrayPtr));
    ASSERT_TRUE(array->receive(drivePtr));
    ASSERT_TRUE(controller->receive(initiatorPtr));

    BMICDevice::BMICRequest request;
    request.bCommand = 0x15;
    EXPECT_TRUE(drive->sendBMICCommand(request));
    EXPECT_EQ(controller->bmicSends, 1);
    EXPECT_EQ(controller->lastCommand, 0x15);
    EXPECT_TRUE(drive->isRemote());
    EXPECT_EQ(drive->maxLogicalUnits(), 64);
    EXPECT_EQ(drive->maxPhysicalUnits(), 256);
    EXPECT_TRUE(drive->usesVariableSizeBuffers());

    SCSIDevice::SCSIRequest scsi;
    EXPECT_TRUE(initiator->sendSCSICommand(scsi));
    EXPECT_TRUE(initiator->rescanScsiBus());
    EXPECT_EQ(controller->scsiSends, 1);
    // The array carries no SCSI channel, so the drive's SCSI requests stop there.
    EXPECT_FALSE(drive->sendSCSICommand(scsi));
    EXPECT_EQ(controller->scsiSends, 1);
}

TEST(ForwardDevice, DeviceWithoutParentChannelRefusesEverything)
{
    Drive orphan("orphan");
    BMICDevice::BMICRequest request;
    EXPECT_FALSE(orphan.sendBMICCommand(request));
    EXPECT_FALSE(orphan.isRemote());
    EXPECT_EQ(orphan.maxLogicalUnits(), 0);
    EXPECT_EQ(orphan.maxPhysicalUnits(), 0);
    EXPECT_FALSE(orphan.usesVariableSizeBuffers());

    DevicePtr root(new Root);
    auto* drive = new Drive("drive");
    DevicePtr drivePtr(drive);
    ASSERT_TRUE(root->receive(drivePtr));
    EXPECT_FALSE(drive->sendBMICCommand(request));
    SCSIDevice::SCSIRequest scsi;
    EXPECT_FALSE(drive->sendSCSICommand(scsi));
}

} // namespace
