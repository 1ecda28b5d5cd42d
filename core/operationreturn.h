// Core::OperationReturn - the result of performing an operation.
//
// An attribute set whose ATTR_NAME_STATUS says success or the kind of
// failure: default construction is ATTR_VALUE_STATUS_SUCCESS, construction
// from a text stores that text as the status. operator bool is true exactly
// when the status is ATTR_VALUE_STATUS_SUCCESS. Further attributes name the
// operation, the device (ATTR_NAME_UNIQUE_ID), the offending argument and,
// for controller failures, the command details (core/modelterms.h).
#ifndef CORE_OPERATIONRETURN_H
#define CORE_OPERATIONRETURN_H

#include "common/containers.h"
#include "core/attributepublisher.h"
#include "core/attributesource.h"
#include "core/modelterms.h"

namespace Core {

class OperationReturn : public AttributePublisher, public AttributeSource {
public:
    OperationReturn();
    explicit OperationReturn(const Common::string& status);
    explicit OperationReturn(const char* status) : OperationReturn(Common::string(status)) {}

    explicit operator bool() const;
    Common::string status() const { return getValueFor(ModelTerms::ATTR_NAME_STATUS); }
};

using OperationReturnList = Common::list<OperationReturn>;

} // namespace Core

#endif
