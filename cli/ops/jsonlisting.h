// CJsonListing collects the devices of a show command into one JSON document
// instead of printing them. Each device lands where the text listing would
// put it under its headings: controllers hold their arrays, unassigned
// drives and tape drives (and, in the SSP form, their initiators); arrays
// hold their logical drives, physical drives and spares. A device carries
// every line of its long listing, keyed by the line's label in snake_case
// ("Cache Board Present: " gives "cache_board_present") with the text that
// follows the label as its value; a size also gives its byte count under the
// key with "_bytes" appended. A device the form cannot show is reported
// through CError as the text listing reports it. Nothing here throws.
#ifndef VNL_CLI_OPS_JSONLISTING_H
#define VNL_CLI_OPS_JSONLISTING_H

#include <cstddef>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <span>
#include <string>
#include <utility>

#include "cli/ops/cmfacade.h"
#include "cli/ops/showrows.h"

class CJsonListing {
public:
    enum class Form { Devices, Status, Ssp };

    explicit CJsonListing(Form form);

    // Files one selected device.
    void add(const Core::DevicePtr& device);

    // Files the devices added next under `controller` (a whole configuration
    // of one controller), rather than under the controller each names.
    void setController(const Core::DevicePtr& controller);
    // {"controllers": [...]}
    const nlohmann::ordered_json& document() const { return m_document; }

    // "Bus Interface: " gives "bus_interface".
    static std::string keyOf(const std::string& label);

private:
    nlohmann::ordered_json& controllerEntry(const Core::DevicePtr& device);
    nlohmann::ordered_json& arrayEntry(nlohmann::ordered_json& controller, const Core::DevicePtr& array);
    // Appends `object` to the list `key` of `parent`, once for each device.
    void file(nlohmann::ordered_json& parent, const char* key, const Core::DevicePtr& device,
              nlohmann::ordered_json object);

    void addController(const Core::DevicePtr& controller);
    void addArray(const Core::DevicePtr& array);
    void addLD(const Core::DevicePtr& drive);
    void addPD(const Core::DevicePtr& drive);
    void addTD(const Core::DevicePtr& drive);
    void addSSP(const Core::DevicePtr& controller);

    // Sets `key` to `text` unless the text is empty.
    static void put(nlohmann::ordered_json& object, const std::string& key, const std::string& text);
    // The plain rows of a table that the device has, the value as the text shows it.
    void putRows(nlohmann::ordered_json& object, const Core::DevicePtr& device,
                 std::span<const ShowRows::Row> rows) const;
    void putControllerRow(nlohmann::ordered_json& object, const Core::DevicePtr& controller,
                          const ShowRows::Row& row) const;
    void putBatteries(nlohmann::ordered_json& object, const Core::DevicePtr& controller) const;
    nlohmann::ordered_json logicalDrive(const Core::DevicePtr& drive) const;
    nlohmann::ordered_json physicalDrive(const Core::DevicePtr& drive) const;
    nlohmann::ordered_json initiator(const Core::DevicePtr& initiator, const Core::DeviceList& drives) const;
    // The byte count of a size line, when the attribute counts blocks.
    void putBytes(nlohmann::ordered_json& object, const std::string& key, const Core::DevicePtr& device,
                  const std::string& attribute) const;

    CMFacade m_facade;
    Form m_form;
    nlohmann::ordered_json m_document;
    Core::DevicePtr m_controller;
    // Each controller device's place in the document's list.
    std::map<const Core::Device*, std::size_t> m_controllers;
    // (list, device) of every device filed, so that none is filed twice in
    // one list. A list is known by its storage, which stays where it is while
    // the objects holding it grow and move.
    std::set<std::pair<const nlohmann::ordered_json::array_t*, const Core::Device*>> m_filed;
};

#endif
