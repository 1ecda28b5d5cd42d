#include "core/attributecomposite.h"

#include <algorithm>

namespace Core {

void AttributeComposite::clear(const AttributeCompositePtr& child)
{
    auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found != m_children.end())
        m_children.erase(found);
}

} // namespace Core
