// The filters that say where the controller-settings writes apply. Each accepts or refuses a
// device from the facts its readers published (they run before the write operations are
// offered), with the reason the device model has for the refusal.
//
// - CacheBoardFilter: a controller or storage system with a cache board
//   (ATTR_VALUE_UNAVAILABLE_REASON_CACHE_BOARD_NOT_PRESENT).
// - RedundantPartnerFilter: a controller that sits in a storage system next to a second
//   controller (ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_CONTROLLER_NOT_REDUNDANT).
// - ActiveActiveFilter: a device of a storage system whose controllers run asymmetrical
//   active-active, the only mode with preferred paths
//   (ATTR_VALUE_UNAVAILABLE_REASON_REDUNDANCY_MODE_NOT_ASYMMETRICAL_ACTIVE_ACTIVE).
// - EnclosureControllerFilter: a drive behind the enclosure controller model, the only one that
//   powers a drive down on request (ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE).
// - ExternalEnclosureFilter: an enclosure of a storage system, whose processor keeps the chassis
//   serial number (ATTR_VALUE_UNAVAILABLE_REASON_SERIAL_NUMBER_NOT_CHANGEABLE).
// - FailedLogicalDriveFilter: a logical drive whose status is failed
//   (ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_DISABLED).
#ifndef VNL_OPERATIONS_SETTINGFILTERS_H
#define VNL_OPERATIONS_SETTINGFILTERS_H

#include "core/filter.h"

namespace Operations {

class CacheBoardFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class RedundantPartnerFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class ActiveActiveFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class EnclosureControllerFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class ExternalEnclosureFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

class FailedLogicalDriveFilter : public Core::Filter {
protected:
    Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
};

} // namespace Operations

#endif
