#include "operations/discoverinitiator.h"

#include "common/compoundlist.h"
#include "controller/bmiccommands.h"
#include "controller/scsicmds.h"
#include "core/devicefinder.h"
#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/ssplayouts.h"
#include "schema/schemainitiator.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::Initiator;
namespace SystemFacts = Interface::StorageMod::StorageSystem;
using Interface::MORUMod::ATTR_VALUE_UNAVAILABLE_REASON_CONTROLLER_NOT_CONFIGURED;

const char DEFAULT_HOST_MODE[] = "Default";
constexpr std::uint8_t HOST_ONLINE = 0x1;

struct Host {
    Common::string connectionName;
    unsigned hostMode = 0;
    bool online = false;
};

using HostMap = Common::map<Common::string, Host>;

class ConfiguredStorageSystemFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override
    {
        const bool configured = device && device->hasAttribute(SystemFacts::ATTR_NAME_SSP_STATE) &&
            device->hasAttribute(SystemFacts::ATTR_NAME_LOGICAL_DRIVE_COUNT) &&
            device->getValueFor(SystemFacts::ATTR_NAME_LOGICAL_DRIVE_COUNT) != "0";
        return configured ? Core::FilterReturn()
                          : Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_CONTROLLER_NOT_CONFIGURED);
    }
};

bool isUnused(const std::uint8_t (&id)[8])
{
    for (std::uint8_t byte : id)
        if (byte != 0)
            return false;
    return true;
}

// The connection-name table: the first source, whose names and modes win.
void readConnectionNames(Schema::StorageSystem& system, Common::CompoundList& ids, HostMap& hosts)
{
    SenseControllerCommand<ReadServerNameTrait> table;
    if (!table(static_cast<BMICDevice&>(system)))
        return;
    for (const CONNECTION_NAME_INTIATORID_ENTRY& entry : table.result().entry) {
        if (isUnused(entry.bInitiatorID))
            continue;
        const Common::string id = hexText(entry.bInitiatorID);
        ids.Add(id);
        hosts[id].connectionName = fieldText(entry.sConnectionName);
        hosts[id].hostMode = entry.bHostMode;
    }
}

// The host-attribute report: the second source, and the only one that knows who is logged in.
void readHostAttributes(Schema::StorageSystem& system, Common::CompoundList& ids, HostMap& hosts)
{
    ReportHostAttributes report;
    if (!report(static_cast<SCSIDevice&>(system)))
        return;
    for (const HOST_ATTRIBUTE_ENTRY& entry : entriesIn<HOST_LIST_HEADER, HOST_ATTRIBUTE_ENTRY>(report.data())) {
        if (isUnused(entry.bInitiatorID))
            continue;
        const Common::string id = hexText(entry.bInitiatorID);
        const bool known = hosts.count(id) != 0;
        Host& host = hosts[id];
        if (!known) {
            ids.Add(id);
            host.connectionName = fieldText(entry.sConnectionName);
            host.hostMode = entry.bHostMode;
        }
        host.online = (entry.bFlags & HOST_ONLINE) != 0;
    }
}

Common::map<unsigned, Common::string> readHostModeNames(Schema::StorageSystem& system)
{
    Common::map<unsigned, Common::string> names;
    ReportHostModes report;
    if (report(static_cast<SCSIDevice&>(system)))
        for (const HOST_MODE_ENTRY& entry : entriesIn<HOST_LIST_HEADER, HOST_MODE_ENTRY>(report.data()))
            names[entry.bModeNumber] = fieldText(entry.sModeName);
    return names;
}

// The port world-wide names of this host's fibre adapters.
Common::CompoundList localPortNames(const Schema::StorageSystem& system)
{
    Common::CompoundList names(false);
    const Core::DevicePtr parent = system.pParent();
    if (!parent)
        return names;
    Core::DeviceFinder finder(parent);
    finder.Add(Core::Attribute(Interface::MORUMod::ATTR_NAME_TYPE, Interface::MORUMod::ATTR_VALUE_TYPE_HBA));
    Core::DeviceList adapters;
    finder.find(adapters, Core::DeviceFinder::DIRECTION_DOWN);
    for (const Core::DevicePtr& adapter : adapters)
        if (adapter->hasAttribute(Interface::StorageMod::ATTR_NAME_WWN_PORT))
            names.Add(adapter->getValueFor(Interface::StorageMod::ATTR_NAME_WWN_PORT));
    return names;
}

} // namespace

Common::string DiscoverInitiator::nameImpl() const { return Interface::StorageMod::OPERATION_DISCOVER_INITIATORS; }

Core::FilterPtr DiscoverInitiator::pFilterImpl() const { return Core::FilterPtr(new ConfiguredStorageSystemFilter()); }

Core::OperationReturn DiscoverInitiator::visit(Schema::StorageSystem& storageSystem)
{
    Common::CompoundList ids(false);
    HostMap hosts;
    readConnectionNames(storageSystem, ids, hosts);
    readHostAttributes(storageSystem, ids, hosts);
    const Common::map<unsigned, Common::string> modeNames = readHostModeNames(storageSystem);
    const Common::CompoundList local = localPortNames(storageSystem);
    for (const Common::string& id : ids) {
        const Host& host = hosts[id];
        const auto modeName = modeNames.find(host.hostMode);
        Core::DevicePtr device(new Schema::Initiator(id));
        publishFact(*device, Facts::ATTR_NAME_CONNECTION_NAME, host.connectionName);
        publishFact(*device, Facts::ATTR_NAME_HOST_MODE,
                    modeName == modeNames.end() || modeName->second.empty() ? Common::string(DEFAULT_HOST_MODE)
                                                                            : modeName->second);
        publishFact(*device, Facts::ATTR_NAME_HOST_MODE_NUMBER, host.hostMode);
        publishFact(*device, Facts::ATTR_NAME_LOCATION,
                    local.contains(id) ? Facts::ATTR_VALUE_LOCATION_LOCAL : Facts::ATTR_VALUE_LOCATION_REMOTE);
        publishFact(*device, Facts::ATTR_NAME_STATUS,
                    host.online ? Facts::ATTR_VALUE_STATUS_ONLINE : Facts::ATTR_VALUE_STATUS_OFFLINE);
        PublishDevice(storageSystem, device);
    }
    return Core::OperationReturn();
}

} // namespace Operations
