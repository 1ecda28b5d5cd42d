// Interface::StorageMod::ControllersOnlyPredicate - a rescan that finds the controllers and
// reads only who each of them is, for a command that lists controllers and nothing below them.
// Above the controllers it runs only the discoveries that find them (storage systems and array
// controllers, where DefaultReenumeratePredicate allows them) and every reader; on a controller
// it runs the controller's own reader alone (OPERATION_READ_ARRAY_CONTROLLER_INFO), discovers
// nothing and goes no deeper, so that host adapters, arrays, drives and logical drives are
// neither asked for nor removed.
#ifndef VNL_SCHEMA_CONTROLLERSONLYPREDICATE_H
#define VNL_SCHEMA_CONTROLLERSONLYPREDICATE_H

#include "schema/defaultreenumeratepredicate.h"

namespace Interface::StorageMod {

class ControllersOnlyPredicate : public DefaultReenumeratePredicate {
public:
    using DefaultReenumeratePredicate::DefaultReenumeratePredicate;

    bool canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const override;
    bool canPerformReadFor(const Core::DevicePtr& device, const Common::string& opName) const override;
    bool canReenumerateChildrenFor(const Core::DevicePtr& device) const override;
};

} // namespace Interface::StorageMod

#endif
