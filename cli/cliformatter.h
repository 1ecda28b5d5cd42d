// CFormatter wraps message text for the console: the first line starts with a
// prefix (for example "Error: "), every later line is indented by as many
// spaces as the prefix is long, and words move whole to the next line unless
// a single word is too long for a line of its own, in which case it is cut.
// Stateless; every member is a pure function of its arguments.
#ifndef VNL_CLI_CLIFORMATTER_H
#define VNL_CLI_CLIFORMATTER_H

#include <cstddef>
#include <string>

class CFormatter {
public:
    // Wraps `text` at `width` columns (prefix included). A newline in the
    // text ends the current line and starts an indented one. A width of 0
    // means no wrapping.
    static std::string format(const std::string& text, const std::string& prefix, unsigned width);
};

#endif
