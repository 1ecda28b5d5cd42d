#include "core/devicefactory.h"

namespace Core {

DevicePtr DeviceFactory::pRoot() const
{
    static DevicePtr root;
    if (!root)
        root = createRoot();
    return root;
}

} // namespace Core
