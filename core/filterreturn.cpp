#include "core/filterreturn.h"

#include "core/modelterms.h"

namespace Core {

using namespace Core::ModelTerms;

FilterReturn::FilterReturn(const Common::string& reason) { *this = reason; }

FilterReturn& FilterReturn::operator=(bool verdict)
{
    if (verdict) {
        m_verdict = true;
        Clear(ATTR_NAME_UNAVAILABLE_REASON);
        return *this;
    }
    return *this = Common::string(ATTR_VALUE_UNAVAILABLE_REASON_UNKNOWN);
}

FilterReturn& FilterReturn::operator=(const Common::string& reason)
{
    m_verdict = false;
    PublishAttribute(*this, Attribute(ATTR_NAME_UNAVAILABLE_REASON, reason));
    return *this;
}

} // namespace Core
