#include "cli/implicittarget.h"

#include <algorithm>
#include <vector>

#include "cli/clihelpers.h"

namespace {

constexpr char SET_TARGET[] = "set target ";
constexpr char CLEAR_TARGET[] = "clear target";
constexpr char SHOW_TARGET[] = "show target";
constexpr char BARE_TARGET[] = "target";

bool contains(const std::string& line, const char* phrase) { return line.find(phrase) != std::string::npos; }

std::string quote(const std::string& text) { return "\"" + text + "\""; }

// True when the words before the first command word start with "controller".
bool namesController(const std::string& line)
{
    const std::vector<std::string> words = CLI_HELPERS::cli_split(line, false, ' ');
    const auto command = std::find_if(words.begin(), words.end(), CLI_HELPERS::isCommand);
    return command != words.begin() && words.front() == "controller";
}

} // namespace

CImplicitTarget::CImplicitTarget(std::ostream* out) : m_filter(out), m_printer(out) {}

std::string CImplicitTarget::processCmdLn(const std::string& line)
{
    const std::size_t set = line.find(SET_TARGET);
    if (set != std::string::npos) {
        setTarget(line.substr(set + std::string(SET_TARGET).size()));
    } else if (contains(line, CLEAR_TARGET)) {
        m_savedTarget.clear();
        m_printer.print_ln("\n   Target Cleared.");
    } else if (contains(line, SHOW_TARGET) || line == BARE_TARGET) {
        m_printer.print_ln(m_savedTarget.empty() ? "\n   Target not set." : "\n   " + m_savedTarget);
    } else {
        return namesController(line) ? line : m_savedTarget + " " + line;
    }
    return "";
}

bool CImplicitTarget::selectsDevices(const std::string& target)
{
    const TargetFilter::DeviceVector none;
    TargetFilter::DeviceVector selected;
    m_filter.input(target, none.begin(), none.end(), true, true);
    m_filter.output(selected);
    return !selected.empty();
}

void CImplicitTarget::setTarget(const std::string& target)
{
    if (selectsDevices(target)) {
        m_printer.print_ln("\n   " + quote(target) + "\n");
        m_savedTarget = target;
    } else if (!m_savedTarget.empty()) {
        m_printer.print_ln("   The target was not changed. Current target: " + quote(m_savedTarget));
    } else {
        m_printer.print_ln("   The target was not set.");
    }
}
