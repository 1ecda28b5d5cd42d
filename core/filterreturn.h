// Core::FilterReturn - a filter's verdict on a device, with its reason.
//
// Default: accepted, no attributes. Built from a reason (or assigned one):
// refused with ATTR_NAME_UNAVAILABLE_REASON = that reason. Assigning true
// accepts and drops the reason; assigning false refuses with
// ATTR_VALUE_UNAVAILABLE_REASON_UNKNOWN. A refusal met during a rescan is
// kept on the device as an unavailable-operation reason, with
// ATTR_NAME_OPERATION_NAME added.
#ifndef CORE_FILTERRETURN_H
#define CORE_FILTERRETURN_H

#include "core/attributepublisher.h"
#include "core/attributesource.h"

namespace Core {

class FilterReturn : public AttributePublisher, public AttributeSource {
public:
    FilterReturn() = default;
    explicit FilterReturn(const Common::string& reason);
    explicit FilterReturn(const char* reason) : FilterReturn(Common::string(reason)) {}

    FilterReturn& operator=(bool verdict);
    FilterReturn& operator=(const Common::string& reason);
    FilterReturn& operator=(const char* reason) { return *this = Common::string(reason); }

    explicit operator bool() const { return m_verdict; }

private:
    bool m_verdict = true;
};

} // namespace Core

#endif
