// CStatusOp prints the one-line status summaries of "show status": for a
// controller its own, cache and battery status; for an array, a logical
// drive or a physical drive one line each. It never performs an operation.
#ifndef VNL_CLI_OPS_STATUSOP_H
#define VNL_CLI_OPS_STATUSOP_H

#include <ostream>

#include "cli/ops/performop.h"

class CStatusOp : public CPerformOp {
public:
    explicit CStatusOp(std::ostream* stream) : CPerformOp(stream) {}

    bool getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation) override;

private:
    void statusPD(const Core::DevicePtr& drive);
    void statusLD(const Core::DevicePtr& drive);
    void statusArray(const Core::DevicePtr& array);
    void statusController(const Core::DevicePtr& controller);
};

#endif
