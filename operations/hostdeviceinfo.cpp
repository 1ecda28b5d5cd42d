#include "operations/hostdeviceinfo.h"

#include <array>

#include "controller/modeltable.h"
#include "operations/discoveroperation.h"
#include "schema/devicescope.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::ArrayController;

} // namespace

Common::string busTypeToString(std::uint8_t busType)
{
    static const std::array<const char*, 5> names = {Facts::ATTR_VALUE_BUS_TYPE_ISA, Facts::ATTR_VALUE_BUS_TYPE_EISA,
                                                     Facts::ATTR_VALUE_BUS_TYPE_PCI, Facts::ATTR_VALUE_BUS_TYPE_SCSI,
                                                     Facts::ATTR_VALUE_BUS_TYPE_FIBRE};
    return busType < names.size() ? Common::string(names[busType]) : Common::string();
}

Common::string controllerIDTostring(std::uint32_t boardId)
{
    const std::string_view key = ModelTable::keyOfBoardId(boardId);
    return Common::string(key.data(), key.size());
}

Common::list<Common::string> pciAddressParts(const ImgrHostDeviceInfo& info)
{
    Common::list<Common::string> parts;
    if (info.wPciDomain < IMGR_PCI_DOMAIN_UNKNOWN)
        parts.push_back(Schema::decimalText(info.wPciDomain));
    for (std::uint8_t part : {info.bPciBus, info.bPciDevice, info.bPciFunction})
        if (part < IMGR_PCI_BYTE_UNKNOWN)
            parts.push_back(Schema::decimalText(part));
    return parts;
}

void PublishPCIInfo(Core::Device& device, const ImgrHostDeviceInfo& info)
{
    if (info.wPciDomain < IMGR_PCI_DOMAIN_UNKNOWN)
        publishFact(device, Facts::ATTR_NAME_PCI_DOMAIN, static_cast<unsigned>(info.wPciDomain));
    const std::array<std::pair<const char*, std::uint8_t>, 3> bytes = {
        {{Facts::ATTR_NAME_PCI_BUS, info.bPciBus},
         {Facts::ATTR_NAME_PCI_DEVICE, info.bPciDevice},
         {Facts::ATTR_NAME_PCI_FUNCTION, info.bPciFunction}}};
    for (const auto& [name, value] : bytes)
        if (value < IMGR_PCI_BYTE_UNKNOWN)
            publishFact(device, name, static_cast<unsigned>(value));
}

void PublishSlotInformation(Core::Device& device, const ImgrHostDeviceInfo& info)
{
    if (info.bAddressing == IMGR_ADDRESSING_SLOT) {
        if (info.bSlot == 255)
            publishFact(device, Facts::ATTR_NAME_SLOT, Facts::ATTR_VALUE_SLOT_UNKNOWN);
        else
            publishFact(device, Facts::ATTR_NAME_SLOT, static_cast<unsigned>(info.bSlot));
        return;
    }
    if (info.bAddressing != IMGR_ADDRESSING_CABINET)
        return;
    const std::array<std::pair<const char*, std::uint8_t>, 6> parts = {{{Facts::ATTR_NAME_CABINET, info.bCabinet},
                                                                        {Facts::ATTR_NAME_CELL, info.bCell},
                                                                        {Facts::ATTR_NAME_IO_CABINET, info.bIoCabinet},
                                                                        {Facts::ATTR_NAME_IO_CHASSIS, info.bIoChassis},
                                                                        {Facts::ATTR_NAME_IO_BAY, info.bIoBay},
                                                                        {Facts::ATTR_NAME_SLOT, info.bSlot}}};
    for (const auto& [name, value] : parts)
        publishFact(device, name, static_cast<unsigned>(value));
}

void PublishSubsystemID(Core::Device& device, const ImgrHostDeviceInfo& info)
{
    publishFact(device, Facts::ATTR_NAME_SUBSYSTEM_ID, static_cast<unsigned>(info.dwBoardID));
}

} // namespace Operations
