// The product data of the controller family in one table: board identifiers,
// model identifiers (the ATTR_VALUE_CONTROLLER_NAME_... strings of the device
// model), marketing names, and the few per-model facts that change how a
// controller is treated. Plain data with lookup helpers; the header depends
// on nothing else of the project, so the simulated controllers use it too.
#ifndef VNL_CONTROLLER_MODELTABLE_H
#define VNL_CONTROLLER_MODELTABLE_H

#include <cstdint>
#include <span>
#include <string_view>

namespace ModelTable {

// Facts about a model, combined as bits in Model::traits.
enum Trait : unsigned {
    TRAIT_DISCOVERABLE = 1u << 0, // one of the supported models that discovery reports
    TRAIT_SLOT_SUFFIX_B = 1u << 1, // its slot location text gets a "b" suffix
    TRAIT_FIRMWARE_204_DEFECT = 1u << 2, // firmware "2.04" must be upgraded
    TRAIT_STRIPE_ALIGNED = 1u << 3, // aligns logical drive sizes on the stripe size
    TRAIT_ENCLOSURE_CONTROLLER = 1u << 4 // the enclosure controller that can fail a drive on request
};

struct Model {
    std::uint32_t boardId; // 0 for a model without a board identifier of its own
    std::string_view key; // ATTR_VALUE_CONTROLLER_NAME_...
    std::string_view name; // marketing name shown to users
    unsigned traits;
};

// Every row, supported controllers first in table order.
std::span<const Model> models();

// Row of a board identifier, or nullptr.
const Model* findByBoardId(std::uint32_t boardId);

// Row of a model identifier, or nullptr.
const Model* findByKey(std::string_view key);

// Model identifier of a board identifier; empty for an unknown board.
std::string_view keyOfBoardId(std::uint32_t boardId);

// True when the model identifier names a model with the trait.
bool hasTrait(std::string_view key, Trait trait);

// The model identifier of the enclosure controller.
std::string_view enclosureControllerKey();

} // namespace ModelTable

#endif
