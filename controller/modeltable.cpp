#include "controller/modeltable.h"

#include <array>

namespace ModelTable {
namespace {

constexpr unsigned D = TRAIT_DISCOVERABLE;
constexpr unsigned B = TRAIT_SLOT_SUFFIX_B;
constexpr unsigned F = TRAIT_FIRMWARE_204_DEFECT;
constexpr unsigned S = TRAIT_STRIPE_ALIGNED;
constexpr unsigned E = TRAIT_ENCLOSURE_CONTROLLER;

constexpr std::array<Model, 25> kModels{{
    {0x40700E11, "ATTR_VALUE_CONTROLLER_NAME_KESTREL_2100", "Orvex Kestrel 2100", D | F},
    {0x40710E11, "ATTR_VALUE_CONTROLLER_NAME_KESTREL_2200", "Orvex Kestrel 2200", D | F},
    {0x40720E11, "ATTR_VALUE_CONTROLLER_NAME_KESTREL_2400", "Orvex Kestrel 2400", D | F},
    {0x40730E11, "ATTR_VALUE_CONTROLLER_NAME_KESTREL_3100", "Orvex Kestrel 3100", D},
    {0x40740E11, "ATTR_VALUE_CONTROLLER_NAME_KESTREL_3200", "Orvex Kestrel 3200", D},
    {0x40750E11, "ATTR_VALUE_CONTROLLER_NAME_TARN_410", "Orvex Tarn 410", D},
    {0x40760E11, "ATTR_VALUE_CONTROLLER_NAME_TARN_420", "Orvex Tarn 420", D},
    {0x40770E11, "ATTR_VALUE_CONTROLLER_NAME_TARN_430", "Orvex Tarn 430", D},
    {0x40780E11, "ATTR_VALUE_CONTROLLER_NAME_BRISK_10", "Orvex Brisk 10", D},
    {0x40790E11, "ATTR_VALUE_CONTROLLER_NAME_BRISK_12", "Orvex Brisk 12", D | B},
    {0x407A0E11, "ATTR_VALUE_CONTROLLER_NAME_BRISK_12I", "Orvex Brisk 12i", D},
    {0x407B0E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V20", "Orvex Varnel V20", D | S},
    {0x407C0E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V22", "Orvex Varnel V22", D | S},
    {0x407D0E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V22I", "Orvex Varnel V22i", D | S},
    {0x407E0E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V24", "Orvex Varnel V24", D | S},
    {0x407F0E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V26", "Orvex Varnel V26", D | S},
    {0x40800E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V30", "Orvex Varnel V30", D | S},
    {0x40810E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V32", "Orvex Varnel V32", D | S},
    {0x40820E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V34M", "Orvex Varnel V34m", D | S},
    {0x40830E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V40E", "Orvex Varnel V40e", D | S},
    {0x40840E11, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V42", "Orvex Varnel V42", D | S},
    {0x40850E11, "ATTR_VALUE_CONTROLLER_NAME_CORVALE_1000", "Orvex Corvale 1000 Storage", D | S},
    {0x40860E11, "ATTR_VALUE_CONTROLLER_NAME_CORVALE_1500", "Orvex Corvale 1500 Storage", D | S},
    {0x40870E11, "ATTR_VALUE_CONTROLLER_NAME_QUOR_A", "Orvex Quor-A Storage", D | E},
    {0, "ATTR_VALUE_CONTROLLER_NAME_QUOR_A_DUPLEX", "Orvex Quor-A Storage", 0},
}};

} // namespace

std::span<const Model> models() { return kModels; }

const Model* findByBoardId(std::uint32_t boardId)
{
    if (boardId == 0)
        return nullptr;
    for (const Model& m : kModels)
        if (m.boardId == boardId)
            return &m;
    return nullptr;
}

const Model* findByKey(std::string_view key)
{
    for (const Model& m : kModels)
        if (m.key == key)
            return &m;
    return nullptr;
}

std::string_view keyOfBoardId(std::uint32_t boardId)
{
    const Model* m = findByBoardId(boardId);
    return m ? m->key : std::string_view{};
}

bool hasTrait(std::string_view key, Trait trait)
{
    const Model* m = findByKey(key);
    return m && (m->traits & trait) != 0;
}

std::string_view enclosureControllerKey()
{
    for (const Model& m : kModels)
        if (m.traits & TRAIT_ENCLOSURE_CONTROLLER)
            return m.key;
    return {};
}

} // namespace ModelTable
