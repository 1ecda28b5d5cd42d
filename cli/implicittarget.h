// CImplicitTarget remembers a target between console commands, so that after
// "set target controller slot=1" the line "array A show" runs as
// "controller slot=1 array A show".
//
// processCmdLn sees every console line first. It consumes the target
// commands - "set target <target>", "clear target", "show target" (or the
// bare "target") - printing their answers and returning "". Any other line
// comes back to be parsed: unchanged when its target starts with
// "controller", otherwise behind the remembered target.
//
// A new target is remembered only when it selects at least one device; it
// is checked with the implicit target's own TargetFilter (quietly, as a
// changing command, so errors still show). The target lives until it is
// replaced or cleared, or the console ends.
#ifndef VNL_CLI_IMPLICITTARGET_H
#define VNL_CLI_IMPLICITTARGET_H

#include <ostream>
#include <string>

#include "cli/cliprinter.h"
#include "cli/targetfilter.h"

class CImplicitTarget {
public:
    explicit CImplicitTarget(std::ostream* out);
    virtual ~CImplicitTarget() = default;

    std::string processCmdLn(const std::string& line);
    const std::string& savedTarget() const { return m_savedTarget; }

protected:
    // True when `target` selects at least one device.
    virtual bool selectsDevices(const std::string& target);

private:
    void setTarget(const std::string& target);

    TargetFilter m_filter;
    CLIPrinter m_printer;
    std::string m_savedTarget;
};

#endif
