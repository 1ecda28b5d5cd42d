// CRangeExpander expands the "drives" parameter of the commands that take
// physical drives: "1:1-1:3,2:4" becomes "1:1*,1:2*,1:3*,2:4". Every address
// produced by a range carries the skippable tag "*", so a consumer may pass
// over a tagged drive that does not exist while a drive named on its own must
// exist. Range ends are clamped to the largest port, box and bay there can be,
// a range must run upwards, and no range yields more than the 1200 addresses
// of a full port:box:bay odometer. Errors are reported through CError and give
// the empty text. Stateless.
#ifndef VNL_CLI_CLIRANGEEXPANDER_H
#define VNL_CLI_CLIRANGEEXPANDER_H

#include <string>

class CRangeExpander {
public:
    static std::string expandDriveNumbers(const std::string& text);
};

// The drive address without its skippable tag (everything from the first "*").
std::string StripSkippableTag(const std::string& drive);

#endif
