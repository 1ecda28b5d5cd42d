#include "operations/writestoragereenumerate.h"

#include "core/devicefinder.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

using namespace Interface::StorageMod;
using Interface::MORUMod::ATTR_NAME_TYPE;

// Only `discovery` runs at the target; everything below what it finds is rescanned in full.
class SingleDiscoveryPredicate : public Core::Device::ReenumeratePredicate {
public:
    SingleDiscoveryPredicate(const Core::DevicePtr& target, const Common::string& discovery)
        : m_target(target.get()), m_discovery(discovery)
    {
    }
    bool canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const override
    {
        return device && (device.get() != m_target || opName == m_discovery);
    }
    bool canRemoveStaleChildrenFor(const Core::DevicePtr& device) const override
    {
        return device && device.get() != m_target;
    }

private:
    const Core::Device* m_target;
    Common::string m_discovery;
};

bool isListOK(const Core::OperationReturnList& returns)
{
    for (const Core::OperationReturn& result : returns)
        if (!result)
            return false;
    return true;
}

void append(Core::OperationReturnList& to, Core::OperationReturnList from) { to.splice(to.end(), from); }

} // namespace

Common::string WriteStorageReenumerate::nameImpl() const { return OPERATION_WRITE_REENUMERATE; }

Core::OperationReturn WriteStorageReenumerate::visit(Schema::ArrayController& controller)
{
    return reenumerate(controller.getDevicePtr(), false);
}

Core::OperationReturn WriteStorageReenumerate::visit(Schema::StorageSystem& storageSystem)
{
    return reenumerate(storageSystem.getDevicePtr(), true);
}

Core::OperationReturnList WriteStorageReenumerate::rebuild(const Core::DevicePtr& device,
                                                           const Common::string& discovery,
                                                           const Common::string& typeName)
{
    Core::OperationReturnList returns;
    if (!device)
        return returns;
    Core::DeviceFinder finder(device);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, typeName.empty() ? device->getValueFor(ATTR_NAME_TYPE) : typeName));
    finder.AddOperation(discovery);
    Core::DeviceList concerned;
    finder.find(concerned, Core::DeviceFinder::DIRECTION_DOWN);
    for (const Core::DevicePtr& found : concerned)
        append(returns, found->Reenumerate(SingleDiscoveryPredicate(found, discovery)));
    return returns;
}

Core::OperationReturn WriteStorageReenumerate::reenumerate(const Core::DevicePtr& device, bool isStorageSystem) const
{
    if (!device)
        return Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
    const Common::string type = getArgValue(ATTR_NAME_REENUMERATE_TYPE);
    Core::OperationReturnList returns;
    if (type == ATTR_VALUE_REENUMERATE_TYPE_LOGICAL) {
        append(returns, rebuild(device, OPERATION_DISCOVER_ARRAYS));
        append(returns, rebuild(device, OPERATION_DISCOVER_INITIATORS));
    } else if (type == ATTR_VALUE_REENUMERATE_TYPE_PHYSICAL) {
        if (isStorageSystem)
            append(returns, rebuild(device, OPERATION_DISCOVER_ARRAY_CONTROLLERS));
        append(returns, rebuild(device, OPERATION_DISCOVER_STORAGE_ENCLOSURES));
    } else {
        returns = device->Reenumerate(DefaultReenumeratePredicate(device));
    }
    return isListOK(returns) ? Core::OperationReturn()
                             : Core::OperationReturn(Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE);
}

} // namespace Operations
