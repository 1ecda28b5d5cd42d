// CJsonCLI runs the one command of a JSON run ("vnlcli --json ..."). It
// selects devices exactly as the text command does, but collects what a show
// command would list into one JSON document (CJsonListing) instead of
// printing it. Whatever else the command prints goes to the stream it was
// given, which the caller does not show; errors are reported through CError
// as ever; the caller gives the error form instead of the document. A command other than show is
// refused before anything runs. Nothing here throws.
#ifndef VNL_CLI_JSONCLI_H
#define VNL_CLI_JSONCLI_H

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/ops/jsonlisting.h"
#include "cli/storagecli.h"

class CJsonCLI : public StorageCLI {
public:
    explicit CJsonCLI(std::ostream* hidden);

    // Runs one line, already synonym-replaced and lower-cased.
    void execute(const std::string& line);
    // The devices listed: {"controllers": [...]}.
    nlohmann::ordered_json document() const;

    // {"error": {"message": ..., "code": ...}} for the first error reported,
    // or for `explanation` (run together on one line) when the error was
    // explained without a message.
    static nlohmann::ordered_json errorDocument(const std::string& explanation);
    // The document, indented, and a line end. Bytes that are not UTF-8 are
    // written as the replacement character.
    static void write(std::ostream& out, const nlohmann::ordered_json& document);

protected:
    void showSelected(ShowForm form, bool detail) override;
    void showConfiguration(const Core::DevicePtr& controller, bool detail) override;

private:
    CJsonListing& listing(CJsonListing::Form form);

    std::optional<CJsonListing> m_listing;
};

#endif
