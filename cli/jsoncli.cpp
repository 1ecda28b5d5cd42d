#include "cli/jsoncli.h"

#include <algorithm>
#include <sstream>

#include "cli/clierror.h"
#include "cli/climessages.h"

namespace {

// The text with every run of blanks and line ends made one blank.
std::string oneLine(const std::string& text)
{
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

bool isShowCommand(const std::string& line)
{
    const std::vector<std::string> words = CLI_HELPERS::cli_split(line, false, ' ');
    const auto command = std::find_if(words.begin(), words.end(), CLI_HELPERS::isCommand);
    return command != words.end() && *command == "show";
}

} // namespace

// The document lists every value a device has, so the devices are read whole.
CJsonCLI::CJsonCLI(std::ostream* hidden) : StorageCLI(hidden) { m_targetFilter.readEveryDeviceWhole(); }

void CJsonCLI::execute(const std::string& line)
{
    if (isShowCommand(line))
        ExecuteCommandLine(line);
    else
        CError::log(CLI_MESSAGES::JSON_SHOW_ONLY, "", 1);
}

nlohmann::ordered_json CJsonCLI::document() const
{
    return m_listing ? m_listing->document() : CJsonListing(CJsonListing::Form::Devices).document();
}

nlohmann::ordered_json CJsonCLI::errorDocument(const std::string& explanation)
{
    const std::string message = CError::firstMessage().empty() ? oneLine(explanation) : CError::firstMessage();
    return {{"error", {{"message", message}, {"code", CError::errorCode()}}}};
}

void CJsonCLI::write(std::ostream& out, const nlohmann::ordered_json& document)
{
    out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

CJsonListing& CJsonCLI::listing(CJsonListing::Form form)
{
    if (!m_listing)
        m_listing.emplace(form);
    return *m_listing;
}

void CJsonCLI::showSelected(ShowForm form, bool)
{
    CJsonListing& json = listing(form == ShowForm::Status    ? CJsonListing::Form::Status
                                     : form == ShowForm::Ssp ? CJsonListing::Form::Ssp
                                                             : CJsonListing::Form::Devices);
    for (const Core::DevicePtr& device : m_devices)
        json.add(device);
}

void CJsonCLI::showConfiguration(const Core::DevicePtr& controller, bool)
{
    CJsonListing& json = listing(CJsonListing::Form::Devices);
    json.setController(controller);
    json.add(controller);
    for (const Core::DevicePtr& device : configuration(controller))
        json.add(device);
}
