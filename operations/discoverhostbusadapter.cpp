#include "operations/discoverhostbusadapter.h"

#include "controller/localarraycontrolleriterator.h"
#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/hostdeviceinfo.h"
#include "operations/replycache.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::HostBusAdapter;
using AdapterPtr = Common::shared_ptr<Schema::HostBusAdapter>;

// The controller's reader asks for its parameters again in this rescan: the reply cache keeps
// the answer for it.
bool sendCached(BmicCommand& command, BMICDevice& channel)
{
    CachedChannel cached(channel);
    return command(cached);
}

AdapterPtr newAdapter(const ImgrHostDeviceInfo& info)
{
    AdapterPtr adapter(new Schema::HostBusAdapter());
    publishFact(*adapter, Facts::ATTR_NAME_BUS_TYPE, busTypeToString(info.bBusType));
    PublishPCIInfo(*adapter, info);
    PublishSlotInformation(*adapter, info);
    PublishSubsystemID(*adapter, info);
    return adapter;
}

} // namespace

AdapterPtr newFibreAdapter(const FibreHBAIterator& adapters, ImgrHandle handle)
{
    const ImgrFibreDeviceInfo& fibre = adapters.getFibreDeviceInfo(handle);
    AdapterPtr adapter = newAdapter(adapters.getHostDeviceInfo(handle));
    publishFact(*adapter, Facts::ATTR_NAME_WWN_NODE, hexText(fibre.abNodeWWN));
    publishFact(*adapter, Facts::ATTR_NAME_WWN_PORT, hexText(fibre.abPortWWN));
    publishFact(*adapter, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
    return adapter;
}

Common::string DiscoverHostBusAdapter::nameImpl() const
{
    return Interface::StorageMod::OPERATION_DISCOVER_HOST_BUS_ADAPTERS;
}

Core::OperationReturn DiscoverHostBusAdapter::visit(Schema::ModRoot& root)
{
    const FibreHBAIterator fibreAdapters;
    for (ImgrHandle handle : fibreAdapters)
        PublishDevice(root, newFibreAdapter(fibreAdapters, handle));

    const LocalArrayControllerIterator controllers(sendCached);
    for (ImgrHandle handle : controllers) {
        AdapterPtr adapter = newAdapter(controllers.getHostDeviceInfo(handle));
        const Common::string accessId = printableText(controllers.getAccessID(handle));
        publishFact(*adapter, Facts::ATTR_NAME_ACCESS_ID, accessId);
        publishFact(*adapter, Facts::ATTR_NAME_STATUS,
                    accessId.empty() ? Facts::ATTR_VALUE_STATUS_WARNING_NO_ACCESS_ID : Facts::ATTR_VALUE_STATUS_OK);
        PublishDevice(root, adapter);
    }
    return Core::OperationReturn();
}

} // namespace Operations
