#include "common/sharedptr.h"

namespace Common {

bool DropSharedReference(long* count)
{
    if (--*count != 0)
        return false;
    delete count;
    return true;
}

} // namespace Common
