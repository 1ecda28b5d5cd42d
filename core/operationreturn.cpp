#include "core/operationreturn.h"

namespace Core {

using namespace Core::ModelTerms;

OperationReturn::OperationReturn() : OperationReturn(ATTR_VALUE_STATUS_SUCCESS) {}

OperationReturn::OperationReturn(const Common::string& status)
{
    PublishAttribute(*this, Attribute(ATTR_NAME_STATUS, status));
}

OperationReturn::operator bool() const { return getValueFor(ATTR_NAME_STATUS) == ATTR_VALUE_STATUS_SUCCESS; }

} // namespace Core
