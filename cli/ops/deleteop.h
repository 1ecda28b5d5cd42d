// CDeleteOp chooses, for each device the delete command selected, the operation that deletes
// it: clear configuration on a controller or storage system, delete array on an array, delete
// logical drive on a logical drive. A device without its operation is reported ("Could not
// delete ..." or, for a controller, "Could not clear configuration...") and nothing is
// performed on it. The operation is given no arguments.
#ifndef VNL_CLI_OPS_DELETEOP_H
#define VNL_CLI_OPS_DELETEOP_H

#include "cli/ops/performop.h"

class CDeleteOp : public CPerformOp {
public:
    explicit CDeleteOp(std::ostream* stream) : CPerformOp(stream) {}

    bool getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation) override;
};

#endif
