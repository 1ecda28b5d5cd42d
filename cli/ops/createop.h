// CCreateOp carries out "create type=logicaldrive" on one target: on an
// array it puts the new logical drive on the array's free space; on a
// controller it first builds a new array from the named drives (all
// unassigned drives when none are named). Each value the user gave is checked
// against the capabilities of the create operations, and "?" prints the
// allowed values instead of creating anything. An array made by the command
// is removed again when no logical drive ends up on it, so a failed create or
// a "?" query leaves the configuration as it was.
#ifndef VNL_CLI_OPS_CREATEOP_H
#define VNL_CLI_OPS_CREATEOP_H

#include <ostream>
#include <string>

#include "cli/ops/performop.h"

class CCreateOp : public CPerformOp {
public:
    // The user's words, "default" (or empty for drives and drive type) when
    // not given. Drive ranges are already expanded.
    struct Params {
        std::string raid = "default";
        std::string stripeSize = "default";
        std::string sectors = "default";
        std::string size = "default";
        std::string arrayAccelerator = "default";
        std::string drives;
        std::string driveType;
    };

    CCreateOp(const Params& params, std::ostream* stream) : CPerformOp(stream), m_params(params) {}

    // Does all the work; leaves nothing for the caller to perform.
    bool getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation) override;

private:
    bool driveTypeCheck(const Core::DevicePtr& controller);
    // The array to create on: the target itself, the array whose drives were
    // named, or a new one (`created`). Empty after an error.
    Core::DevicePtr arraySetup(const Core::DevicePtr& device, const Core::DevicePtr& controller, bool& created);
    bool ldSetup(const Core::DevicePtr& array);
    Core::DevicePtr CreateArray(const Core::DevicePtr& controller, const Core::DeviceList& drives);
    bool DeleteArray(const Core::DevicePtr& array);

    Params m_params;
    std::string m_interface; // the drive type as a model value
};

#endif
