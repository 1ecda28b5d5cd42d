#include "cli/ops/statusop.h"

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/ops/showtext.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

bool CStatusOp::getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation)
{
    operation = Core::DeviceOperationPtr();
    if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
        statusPD(device);
    else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        statusLD(device);
    else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY))
        statusArray(device);
    else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        statusController(device);
    else
        CError::log(CLI_MESSAGES::CANNOT_SHOW_STATUS, "", 1);
    return false;
}

void CStatusOp::statusPD(const Core::DevicePtr& drive)
{
    const DeviceValues values(drive);
    const ShowText::DrivePlace place = ShowText::drivePlace(values);
    print("physicaldrive " + ShowText::driveAddress(place, 0) + " (" + ShowText::driveLocation(place, 0) + ", " +
          ShowText::driveSize(values) + ShowText::spareMark(values) + "): " + values.shown(ATTR_NAME_STATUS) + "\n");
}

void CStatusOp::statusLD(const Core::DevicePtr& drive)
{
    const DeviceValues values(drive);
    print("logicaldrive " + values.shown(ATTR_NAME_DRIVE_NUMBER) + " (" + values.shown(ATTR_NAME_USEABLE_BLOCKS) +
          ", " + values.shown(ATTR_NAME_RAID) + "): " + ShowText::ldStatus(values) + "\n");
}

void CStatusOp::statusArray(const Core::DevicePtr& array)
{
    print("array " + m_facade.attrVal(array, ATTR_NAME_ARRAY_NUMBER) + ": " +
          m_facade.attrVal(array, ATTR_NAME_STATUS) + "\n");
}

void CStatusOp::statusController(const Core::DevicePtr& controller)
{
    print("\n" + m_facade.ctrlName(controller) + "\n");
    print("   Controller Status: " + m_facade.attrVal(controller, ATTR_NAME_STATUS) + "\n");
    attr_print(m_facade.attrVal(controller, ATTR_NAME_CACHE_STATUS), "   Cache Status: ", "\n", 0);
    attr_print(m_facade.attrVal(controller, ATTR_NAME_BATTERY_STATUS), "   Battery Status: ", "\n", 0);
    print("\n");
}
