// What the tests of the configuration writes share: a tree of simulated controllers made from
// a profile, the write operations performed with their arguments, and the configuration
// records the simulated firmware stored, read back through the controller's own channel.
#ifndef TESTS_OPERATIONS_CONFIGURATIONWRITES_H
#define TESTS_OPERATIONS_CONFIGURATIONWRITES_H

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "core/capabilityfinder.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/storagemod.h"
#include "tests/operations/simtree.h"

namespace ConfigurationWrites {

using Arguments = std::vector<std::pair<std::string, std::string>>;

// The status an operation answered with.
inline std::string status(const Core::OperationReturn& result)
{
    return result.getValueFor(Interface::MORUMod::ATTR_NAME_STATUS).c_str();
}

// `count` drives of `size` (decimal units, as on a label) on one controller described by
// `controllerFields` (its model at least).
inline std::string hardware(unsigned count, const std::string& size = "300GB",
                            const std::string& controllerFields = "model=VARNEL_V24")
{
    std::string text = "controller slot1 " + controllerFields + " slot=1 pcibus=6 cache=256 batteries=1\n";
    for (unsigned bay = 1; bay <= count; ++bay)
        text += "drive 1I:1:" + std::to_string(bay) + " interface=sas size=" + size + "\n";
    return text;
}

// The values of the instances marked current in the class `name` of `operation`'s capability.
inline std::string current(const Core::DevicePtr& device, const char* operation, const char* name)
{
    Core::CapabilityFinder byName(device->getOperation(operation)->getCapabilityPtr(device));
    byName.Add(Core::Attribute(Interface::MORUMod::ATTR_NAME_ATTRIBUTE_NAME, name));
    const Core::CapabilityPtr choice = byName.find();
    std::string marked;
    for (auto i = choice ? choice->beginChild() : Core::CapabilityList::const_iterator();
         choice && i != choice->endChild(); ++i)
        if ((*i)->getValueFor(Interface::MORUMod::ATTR_NAME_CURRENT_VALUE) ==
            Interface::MORUMod::ATTR_VALUE_CURRENT_VALUE_TRUE)
            marked += (*i)->getValueFor(Interface::MORUMod::ATTR_NAME_CAPABILITY_INSTANCE).c_str();
    return marked;
}

// What a controller answers to a controller-level question, asked through `device`'s channel.
template <class Trait>
typename Trait::BufferType sensed(const Core::DevicePtr& device)
{
    auto* channel = dynamic_cast<BMICDevice*>(device.get());
    SenseControllerCommand<Trait> sense;
    Core::OperationReturn result;
    EXPECT_TRUE(channel && executeCommand(sense, *channel, result) && result);
    return sense.result();
}

// The BMIC requests the simulated library receives while the log lives, by opcode.
class RequestLog {
public:
    RequestLog()
    {
        char pattern[] = "/tmp/vnl-requests-XXXXXX";
        const int fd = mkstemp(pattern);
        EXPECT_GE(fd, 0);
        if (fd >= 0)
            close(fd);
        m_path = pattern;
        setenv("VNLSIM_REQUEST_LOG", m_path.c_str(), 1);
    }
    ~RequestLog()
    {
        unsetenv("VNLSIM_REQUEST_LOG");
        std::remove(m_path.c_str());
    }
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // How often the opcode (two hexadecimal digits, "63") was sent.
    unsigned count(const std::string& opcode) const { return static_cast<unsigned>(units(opcode).size()); }

    // The units the opcode was sent to, in the order sent.
    std::vector<unsigned> units(const std::string& opcode) const
    {
        std::ifstream in(m_path);
        std::vector<unsigned> sent;
        const std::string head = "bmic." + opcode + " unit=";
        for (std::string line; std::getline(in, line);)
            if (line.compare(0, head.size(), head) == 0)
                sent.push_back(static_cast<unsigned>(std::stoul(line.substr(head.size()))));
        return sent;
    }

private:
    std::string m_path;
};

struct Tree {
    explicit Tree(const std::string& profile) : state(SimTree::makeState("", profile)), root(SimTree::build(state)) {}
    // A second tree of the same simulated controllers, as another process would read them.
    struct SameControllers {};
    Tree(SameControllers, const Tree& other) : state(other.state), root(SimTree::build(state)) {}
    // A tree of a state made elsewhere (SimTree::makeState of a preset).
    struct FromState {};
    Tree(const std::string& madeState, FromState) : state(madeState), root(SimTree::build(state)) {}

    Core::DevicePtr controller() const
    {
        return SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY_CONTROLLER).front();
    }
    Core::DevicePtr storageSystem() const
    {
        return SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM).front();
    }
    Core::DeviceList drives() const
    {
        return SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    }
    Core::DeviceList arrays() const { return SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY); }
    Core::DeviceList logicalDrives() const
    {
        return SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    }
    void rescan() const { SimTree::rescan(root, state); }

    // The logical drive of that number; null when there is none.
    Core::DevicePtr logicalDrive(unsigned number) const
    {
        for (const Core::DevicePtr& drive : logicalDrives())
            if (drive->getValueFor(Interface::StorageMod::LogicalDrive::ATTR_NAME_DRIVE_NUMBER) ==
                std::to_string(number).c_str())
                return drive;
        return Core::DevicePtr();
    }

    // The array made of the first `count` drives (counted from `first`), read by a rescan.
    Core::DevicePtr newArray(unsigned count, unsigned first = 0)
    {
        Arguments ids;
        const Core::DeviceList all = drives();
        auto drive = all.begin();
        for (unsigned i = 0; i < first && drive != all.end(); ++i)
            ++drive;
        for (unsigned i = 0; i < count && drive != all.end(); ++i, ++drive)
            ids.emplace_back(Core::ModelTerms::ATTR_NAME_UNIQUE_ID, (*drive)->toString().c_str());
        const Core::OperationReturn made =
            perform(controller(), Interface::ConfigMod::OPERATION_WRITE_CREATE_ARRAY, ids);
        EXPECT_TRUE(made) << made.getValueFor(Interface::MORUMod::ATTR_NAME_STATUS);
        rescan();
        const std::string number = made.getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER).c_str();
        for (const Core::DevicePtr& array : arrays())
            if (array->getValueFor(Interface::StorageMod::Array::ATTR_NAME_ARRAY_NUMBER).c_str() == number)
                return array;
        return Core::DevicePtr();
    }

    static Core::OperationReturn perform(const Core::DevicePtr& device, const char* operation,
                                         const Arguments& arguments)
    {
        const Core::DeviceOperationPtr op = device ? device->getOperation(operation) : Core::DeviceOperationPtr();
        if (!op)
            return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_NOT_SUPPORTED);
        for (const auto& [name, value] : arguments)
            op->SetArgument({Core::DeviceOperation::ACTION_SET, Core::Attribute(name.c_str(), value.c_str())});
        return device->perform(op);
    }

    // Why `device` lacks `operation` (its filter's reason); empty when it has it.
    static std::string unavailableReason(const Core::DevicePtr& device, const char* operation)
    {
        const Core::AttributeSourcePtr reason = device->getUnavailableOperationReason(operation);
        return reason ? reason->getValueFor(Interface::MORUMod::ATTR_NAME_UNAVAILABLE_REASON).c_str() : "";
    }

    // The record the firmware holds for a logical drive number.
    LOGICAL_DRIVE_CONFIG stored(unsigned number) const
    {
        auto* channel = dynamic_cast<Schema::ArrayController*>(controller().get());
        SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> sense(static_cast<std::uint16_t>(number));
        Core::OperationReturn result;
        EXPECT_TRUE(channel && executeCommand(sense, *channel, result) && result);
        return sense.result();
    }

    void tool(const std::string& arguments) const
    {
        const std::string command = "VNLSIM_STATE=" + state + " " + VNLSIM_TOOL + " " + arguments + " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    std::string state;
    Core::DevicePtr root;
};

} // namespace ConfigurationWrites

#endif
