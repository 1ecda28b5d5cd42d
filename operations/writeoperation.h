// Operations::WriteOperation - what the write operations share: their name and kind. A write
// changes the controller's configuration (or the tree's picture of it) and drops the reply
// cache with every command it sends (executeWriteCommand, operations/replycache.h).
#ifndef VNL_OPERATIONS_WRITEOPERATION_H
#define VNL_OPERATIONS_WRITEOPERATION_H

#include "core/deviceoperation.h"

namespace Operations {

template <const char* Name>
class WriteOperation : public Core::DeviceOperation {
protected:
    Common::string nameImpl() const override { return Name; }
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

} // namespace Operations

#endif
