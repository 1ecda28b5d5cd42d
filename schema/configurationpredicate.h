// Interface::StorageMod::ConfigurationPredicate - a rescan that reads what a configuration
// listing prints: every controller with its arrays, logical drives, physical drives, spares and
// enclosures, but not the disk extents (host disk names and mount points) or the PHYs, and no
// write operation is offered (each stays as it was; a tree read this way serves no change).
// Otherwise it answers as DefaultReenumeratePredicate does.
#ifndef VNL_SCHEMA_CONFIGURATIONPREDICATE_H
#define VNL_SCHEMA_CONFIGURATIONPREDICATE_H

#include "schema/defaultreenumeratepredicate.h"

namespace Interface::StorageMod {

class ConfigurationPredicate : public DefaultReenumeratePredicate {
public:
    using DefaultReenumeratePredicate::DefaultReenumeratePredicate;

    bool canPerformDiscoverFor(const Core::DevicePtr& device, const Common::string& opName) const override;
    bool canRegisterWriteOperationsFor(const Core::DevicePtr& device, const Common::string& opName) const override;
};

} // namespace Interface::StorageMod

#endif
