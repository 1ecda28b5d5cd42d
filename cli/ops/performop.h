// CPerformOp is the functor through which a command handler works on each
// selected device in turn: a subclass decides in getDeviceOp which
// operation (if any) to run for a device, printing whatever it has to say;
// operator() performs that operation and reports a failure. A subclass that
// only prints returns false and nothing is performed.
#ifndef VNL_CLI_OPS_PERFORMOP_H
#define VNL_CLI_OPS_PERFORMOP_H

#include <ostream>

#include "cli/cliprinter.h"
#include "cli/ops/cmfacade.h"
#include "core/deviceoperation.h"

class CPerformOp : public CLIPrinter {
public:
    explicit CPerformOp(std::ostream* stream) : CLIPrinter(stream) {}
    virtual ~CPerformOp() = default;

    // The operation to perform on `device`; false when there is none to run.
    virtual bool getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation);

    void operator()(const Core::DevicePtr& device);

protected:
    CMFacade m_facade;
};

#endif
