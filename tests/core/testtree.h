// A small synthetic device model for the core tests and benchmarks: a root,
// controllers, physical and logical drives, and trivial discover, read,
// associate and write operations driven by a simulated hardware description.
#ifndef TESTS_CORE_TESTTREE_H
#define TESTS_CORE_TESTTREE_H

#include <functional>
#include <map>
#include <set>
#include <string>

#include "common/cloneable.h"
#include "core/deviceassociationoperation.h"
#include "core/devicecomposite.h"
#include "core/devicefinder.h"
#include "core/modelterms.h"
#include "core/operationregistration.h"

namespace CoreTest {

using namespace Core;
using namespace Core::ModelTerms;

inline constexpr char KEY[] = "ATTR_NAME_TEST_KEY";
inline constexpr char READS[] = "ATTR_NAME_TEST_READS";
inline constexpr char BLOCKED[] = "ATTR_NAME_TEST_BLOCKED";
inline constexpr char DATA_DRIVE[] = "ASSOCIATION_TEST_DATA_DRIVE";
inline constexpr char DISCOVER_CONTROLLERS[] = "OPERATION_TEST_DISCOVER_CONTROLLERS";
inline constexpr char DISCOVER_DRIVES[] = "OPERATION_TEST_DISCOVER_DRIVES";
inline constexpr char READ_DRIVE[] = "OPERATION_TEST_READ_DRIVE";
inline constexpr char ASSOCIATE_DRIVES[] = "OPERATION_TEST_ASSOCIATE_DRIVES";
inline constexpr char WRITE_BLINK[] = "OPERATION_TEST_WRITE_BLINK";

// What the simulated controllers report: per controller slot, its physical
// and logical drive counts; drives marked blocked refuse the write operation.
struct Hardware {
    struct Controller {
        unsigned physicalDrives = 0;
        unsigned logicalDrives = 0;
    };
    std::map<std::string, Controller> controllers;
    std::set<unsigned> blockedDrives;
    unsigned discoverRuns = 0;
};

inline Hardware& hardware()
{
    static Hardware current;
    return current;
}

template <class DeviceClass>
class Visitor {
public:
    virtual ~Visitor() = default;
    virtual OperationReturn visit(DeviceClass& device) = 0;
};

// A device of one test type, identified and compared by its KEY attribute.
template <const char* Type, class Base>
class TestDevice : public Common::Cloneable<Base, DevicePtr, TestDevice<Type, Base>>,
                   public DeviceOperationRegistry<TestDevice<Type, Base>> {
public:
    explicit TestDevice(const Common::string& key)
    {
        this->PublishAttribute(*this, Attribute(ATTR_NAME_TYPE, Type));
        this->PublishAttribute(*this, Attribute(KEY, key));
    }
    Common::string key() const { return this->getValueFor(KEY); }
    bool operator==(const Device& other) const override
    {
        auto* same = dynamic_cast<const TestDevice*>(&other);
        return same != nullptr && same->key() == key();
    }
    std::size_t identityHash() const override { return std::hash<Common::string>()(key()); }
    OperationReturn performImpl(VisitorDevice& visitor) override
    {
        return dispatchVisit<Visitor<TestDevice>>(visitor, *this);
    }

    int updates = 0;
    void UpdateWith(const DevicePtr&) override { ++updates; }

protected:
    Common::string toStringImpl() const override { return Common::string(Type) + ":" + key(); }
};

using Controller = TestDevice<ATTR_VALUE_TYPE_ARRAY_CONTROLLER, DeviceComposite>;
using PhysicalDrive = TestDevice<ATTR_VALUE_TYPE_PHYSICAL_DRIVE, Device>;
using LogicalDrive = TestDevice<ATTR_VALUE_TYPE_LOGICAL_DRIVE, DeviceComposite>;
using RootDevice = TestDevice<ATTR_VALUE_TYPE_MOD_ROOT, DeviceComposite>;

// The root keeps the count of the pointer that owns it, so getDevicePtr can
// answer without the root owning itself.
class Root : public RootDevice {
public:
    Root() : RootDevice("root") {}
    static DevicePtr make()
    {
        Root* root = new Root();
        DevicePtr owner(root);
        root->m_count = owner.sharedCount();
        return owner;
    }
    DevicePtr getDevicePtr() const override
    {
        DevicePtr self;
        self.share(const_cast<Root*>(this), m_count);
        return self;
    }

private:
    long* m_count = nullptr;
};

template <class DeviceClass, DeviceOperation::EnType Kind, const char* Name, class Base = DeviceOperation>
class TestOperation : public Visitor<DeviceClass>, public Base {
protected:
    Common::string nameImpl() const override { return Name; }
    DeviceOperation::EnType eTypeImpl() const override { return Kind; }
};

class DiscoverControllers : public TestOperation<RootDevice, DeviceOperation::TYPE_DISCOVER, DISCOVER_CONTROLLERS> {
public:
    OperationReturn visit(RootDevice& root) override
    {
        ++hardware().discoverRuns;
        for (const auto& entry : hardware().controllers)
            PublishDevice(root, DevicePtr(new Controller(entry.first.c_str())));
        return OperationReturn();
    }
};

class DiscoverDrives : public TestOperation<Controller, DeviceOperation::TYPE_DISCOVER, DISCOVER_DRIVES> {
public:
    OperationReturn visit(Controller& controller) override
    {
        auto found = hardware().controllers.find(controller.key().c_str());
        if (found == hardware().controllers.end())
            return OperationReturn(ATTR_VALUE_STATUS_FAILURE);
        for (unsigned n = 0; n < found->second.physicalDrives; ++n)
            PublishDevice(controller, DevicePtr(new PhysicalDrive(std::to_string(n).c_str())));
        for (unsigned n = 0; n < found->second.logicalDrives; ++n)
            PublishDevice(controller, DevicePtr(new LogicalDrive(std::to_string(n).c_str())));
        return OperationReturn();
    }
};

class ReadDrive : public TestOperation<PhysicalDrive, DeviceOperation::TYPE_READ, READ_DRIVE> {
public:
    OperationReturn visit(PhysicalDrive& drive) override
    {
        const unsigned reads = drive.hasAttribute(READS) ? std::stoul(drive.getValueFor(READS).c_str()) : 0;
        Publish(drive, Attribute(READS, reads + 1));
        if (hardware().blockedDrives.count(std::stoul(drive.key().c_str())) != 0)
            Publish(drive, Attribute(BLOCKED, "yes"));
        return OperationReturn();
    }
};

// Links a logical drive n to physical drives n and n + 1 of its controller.
class AssociateDrives : public TestOperation<LogicalDrive, DeviceOperation::TYPE_ASSOCIATE, ASSOCIATE_DRIVES,
                                             DeviceAssociationOperation> {
public:
    OperationReturn visit(LogicalDrive& drive) override
    {
        class DataDrive : public AssociationPredicate {
        public:
            DataDrive() : AssociationPredicate(DATA_DRIVE, DIRECTION_ONE_WAY) {}
            bool operator()(const DevicePtr& from, const DevicePtr& candidate) const override
            {
                const unsigned long first = std::stoul(from->getValueFor(KEY).c_str());
                const unsigned long number = std::stoul(candidate->getValueFor(KEY).c_str());
                return number == first || number == first + 1;
            }
        };
        const DataDrive predicate;
        buildAssociations(drive.getDevicePtr(), {&predicate}, ATTR_VALUE_TYPE_ARRAY_CONTROLLER,
                          ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
        return OperationReturn();
    }
};

class WriteBlink : public TestOperation<PhysicalDrive, DeviceOperation::TYPE_WRITE, WRITE_BLINK> {
public:
    OperationReturn visit(PhysicalDrive&) override { return OperationReturn(); }

protected:
    FilterPtr pFilterImpl() const override
    {
        class NotBlocked : public Filter {
        protected:
            FilterReturn applyImpl(const DevicePtr& device) const override
            {
                if (device->hasAttribute(BLOCKED))
                    return FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE);
                return FilterReturn();
            }
        };
        return FilterPtr(new NotBlocked());
    }
};

// Declares and activates the test operations once per process.
inline void registerTestOperations()
{
    static const bool registered = [] {
        RegisterSchema(ATTR_VALUE_TYPE_MOD_ROOT, Root::DeviceOperationListPtr());
        RegisterSchema(ATTR_VALUE_TYPE_ARRAY_CONTROLLER, Controller::DeviceOperationListPtr());
        RegisterSchema(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, PhysicalDrive::DeviceOperationListPtr());
        RegisterSchema(ATTR_VALUE_TYPE_LOGICAL_DRIVE, LogicalDrive::DeviceOperationListPtr());
        RegisterOperation(ATTR_VALUE_TYPE_MOD_ROOT, new DeviceOperationCreator<DiscoverControllers>());
        RegisterOperation(ATTR_VALUE_TYPE_ARRAY_CONTROLLER, new DeviceOperationCreator<DiscoverDrives>());
        RegisterOperation(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, new DeviceOperationCreator<ReadDrive>());
        RegisterOperation(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, new DeviceOperationCreator<WriteBlink>());
        RegisterOperation(ATTR_VALUE_TYPE_LOGICAL_DRIVE, new DeviceOperationCreator<AssociateDrives>());
        Device::RegisterOperation(ATTR_VALUE_TYPE_MOD_ROOT, DISCOVER_CONTROLLERS);
        Device::RegisterOperation(ATTR_VALUE_TYPE_ARRAY_CONTROLLER, DISCOVER_DRIVES);
        Device::RegisterOperation(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, READ_DRIVE);
        Device::RegisterOperation(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, WRITE_BLINK);
        Device::RegisterOperation(ATTR_VALUE_TYPE_LOGICAL_DRIVE, ASSOCIATE_DRIVES);
        return true;
    }();
    (void)registered;
}

// The children of `device` of one type, in child order.
inline DeviceList childrenOfType(const DevicePtr& device, const char* type)
{
    DeviceList found;
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        if ((*child)->getValueFor(ATTR_NAME_TYPE) == type)
            found.push_back(*child);
    return found;
}

// The first child with that key (and of that type, when one is given).
inline DevicePtr childWithKey(const DevicePtr& device, const char* key, const char* type = nullptr)
{
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        if ((*child)->getValueFor(KEY) == key && (type == nullptr || (*child)->getValueFor(ATTR_NAME_TYPE) == type))
            return *child;
    return DevicePtr();
}

} // namespace CoreTest

#endif
