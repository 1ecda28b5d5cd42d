// Interface::StorageMod::DefaultReenumeratePredicate - the storage module's rescan policy,
// aimed at a target device. It answers as the model's base policy does (yes), except:
// - whether a discover operation may run: never without a device or a target; always below the
//   root; at the root by the target's type - a rescan aimed at a controller rediscovers nothing
//   there, one aimed at a storage system only the controllers, one aimed at the root (or
//   anything else) everything;
// - whether children not found again are removed: only where every discovery ran. Children of
//   kinds that a rescan did not look for were not found because nobody looked, so the root
//   keeps its storage systems, controllers and adapters in a rescan aimed at one of them.
#ifndef VNL_SCHEMA_DEFAULTREENUMERATEPREDICATE_H
#define VNL_SCHEMA_DEFAULTREENUMERATEPREDICATE_H

#include "core/device.h"

namespace Interface::StorageMod {

class DefaultReenumeratePredicate : public Core::Device::ReenumeratePredicate {
public:
    explicit DefaultReenumeratePredicate(const Core::DevicePtr& target) : m_target(target) {}

    bool canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const override;
    bool canRemoveStaleChildrenFor(const Core::DevicePtr& device) const override;

private:
    bool isRoot(const Core::DevicePtr& device) const;
    Common::string targetType() const;

    Core::DevicePtr m_target;
};

} // namespace Interface::StorageMod

#endif
