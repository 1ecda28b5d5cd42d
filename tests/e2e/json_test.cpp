// "vnlcli --json": the document of each show form on every preset tells the
// same as the text listing of the same command, stays valid JSON whatever
// bytes a controller reports, and gives way to the error form on any error.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "tests/e2e/vnlprocess.h"

using nlohmann::json;

namespace {

const std::vector<std::string> SHOW_FORMS[] = {
    {"controller", "all", "show"},
    {"controller", "all", "show", "detail"},
    {"controller", "all", "show", "status"},
    {"controller", "all", "show", "ssp"},
    {"controller", "all", "show", "config"},
    {"controller", "all", "show", "config", "detail"},
    {"controller", "all", "physicaldrive", "all", "show"},
    {"controller", "all", "physicaldrive", "all", "show", "status"},
    {"controller", "all", "logicaldrive", "all", "show", "detail"},
    {"controller", "all", "array", "all", "show"},
    {"controller", "all", "tapedrive", "all", "show"},
};

std::vector<std::string> presets()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(VNL_SOURCE_DIR "/sim/presets"))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> withJson(std::vector<std::string> args)
{
    args.insert(args.begin(), "--json");
    return args;
}

// The parsed document; a failed parse fails the test.
json parsed(const Outcome& run)
{
    json document = json::parse(run.output, nullptr, false);
    EXPECT_FALSE(document.is_discarded()) << run.output;
    return document;
}

std::string trimmed(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

// The text cut at each line naming a drive or an adapter: each piece is what
// the text says about the device its first line names ("physicaldrive 1:1",
// "logicaldrive 2", "tapedrive 2:5", "adapter 5A0E...").
std::multimap<std::string, std::string> deviceBlocks(const std::string& text)
{
    std::multimap<std::string, std::string> blocks;
    std::istringstream in(text);
    std::string name;
    std::string block;
    auto close = [&] {
        if (!name.empty())
            blocks.emplace(name, block);
    };
    for (std::string line; std::getline(in, line);) {
        std::string word = trimmed(line);
        if (word.starts_with("Logical Drive: "))
            word = "logicaldrive " + word.substr(15);
        if (word.starts_with("Adapter ID:"))
            word = "adapter " + trimmed(word.substr(11));
        const bool names = word.starts_with("physicaldrive ") || word.starts_with("logicaldrive ") ||
            word.starts_with("tapedrive ") || word.starts_with("adapter ");
        if (names && !word.ends_with("masked")) {
            close();
            name = word.substr(0, word.find_first_of(" (", word.find(' ') + 1));
            block.clear();
        }
        block += line + "\n";
    }
    close();
    return blocks;
}

// Every drive and adapter of the document, named as the text names it, with
// the texts that must stand in its piece of the text.
std::multimap<std::string, std::vector<std::string>> documentDevices(const json& document)
{
    std::multimap<std::string, std::vector<std::string>> devices;
    auto texts = [](const json& device, std::initializer_list<const char*> keys) {
        std::vector<std::string> found;
        for (const char* key : keys)
            if (device.contains(key))
                found.push_back(device[key].get<std::string>());
        return found;
    };
    auto drives = [&](const json& holder) {
        for (const char* list : {"physical_drives", "spares", "unassigned_drives"})
            for (const json& drive : holder.value(list, json::array()))
                devices.emplace("physicaldrive " + drive["physical_drive"].get<std::string>(),
                                texts(drive, {"size", "status"}));
        for (const json& drive : holder.value("logical_drives", json::array()))
            devices.emplace("logicaldrive " + drive["logical_drive"].get<std::string>(),
                            texts(drive, {"size", "fault_tolerance", "status"}));
    };
    for (const json& controller : document["controllers"]) {
        drives(controller);
        for (const json& array : controller.value("arrays", json::array()))
            drives(array);
        for (const json& tape : controller.value("tape_drives", json::array()))
            devices.emplace("tapedrive " + tape["tape_drive"].get<std::string>(), texts(tape, {"status"}));
        for (const json& adapter : controller.value("initiators", json::array()))
            devices.emplace("adapter " + adapter["adapter_id"].get<std::string>(),
                            texts(adapter, {"connection_name", "location", "status"}));
    }
    return devices;
}

// A spare serving several arrays is listed under each in the document but
// once in the text: each name counts once per controller.
std::size_t distinctPerController(const json& document)
{
    std::size_t count = 0;
    for (const json& controller : document["controllers"]) {
        std::set<std::string> names;
        for (const auto& device : documentDevices(json{{"controllers", json::array({controller})}}))
            names.insert(device.first);
        count += names.size();
    }
    return count;
}

class JsonShow : public testing::TestWithParam<std::string> {};

TEST_P(JsonShow, EveryFormListsTheDevicesSizesAndStatusesOfTheText)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset(GetParam()));
    for (const std::vector<std::string>& form : SHOW_FORMS) {
        const Outcome text = runVnlcli(dir, form);
        const Outcome run = runVnlcli(dir, withJson(form));
        SCOPED_TRACE(testing::PrintToString(form) + "\n" + text.output);
        EXPECT_EQ(run.status, text.status);
        const json document = parsed(run);
        if (text.status != 0) {
            EXPECT_TRUE(document.contains("error"));
            continue;
        }
        // A controller without SSP information is not named in the text.
        for (const json& controller : document["controllers"]) {
            const bool named = form.back() != "ssp" || controller.contains("initiators");
            EXPECT_TRUE(!named || text.output.find(controller["name"].get<std::string>()) != std::string::npos)
                << controller;
        }
        const std::multimap<std::string, std::string> blocks = deviceBlocks(text.output);
        const std::multimap<std::string, std::vector<std::string>> devices = documentDevices(document);
        for (const auto& [name, texts] : devices) {
            const auto [first, last] = blocks.equal_range(name);
            const bool told = std::any_of(first, last, [&](const auto& block) {
                return std::all_of(texts.begin(), texts.end(),
                                   [&](const std::string& t) { return block.second.find(t) != std::string::npos; });
            });
            EXPECT_TRUE(told) << name << " " << testing::PrintToString(texts);
        }
        EXPECT_EQ(distinctPerController(document), blocks.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, JsonShow, testing::ValuesIn(presets()));

TEST(Json, SizesComeInBytesAsWellAsText)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("server"));
    const json document = parsed(runVnlcli(dir, {"--json", "controller", "all", "show", "config", "detail"}));
    const json& controller = document["controllers"][0];
    const json& drive = controller["arrays"][0]["logical_drives"][0];
    const json& disk = controller["arrays"][0]["physical_drives"][0];
    EXPECT_EQ(drive["size_bytes"].get<std::uint64_t>() % 512, 0u);
    EXPECT_GT(disk["size_bytes"].get<std::uint64_t>(), drive["size_bytes"].get<std::uint64_t>() / 8);
    EXPECT_EQ(controller["total_cache_size_bytes"].get<std::uint64_t>(),
              controller["read_cache_size_bytes"].get<std::uint64_t>() +
                  controller["write_cache_size_bytes"].get<std::uint64_t>());
}

TEST(Json, QuotesBackslashesAndControlBytesStayValidJson)
{
    LockDir dir;
    ASSERT_TRUE(dir.sim("init --profile " VNL_SOURCE_DIR "/tests/e2e/profiles/quotes.profile"));
    const Outcome text = runVnlcli(dir, {"controller", "all", "show", "config", "detail"});
    const Outcome run = runVnlcli(dir, {"--json", "controller", "all", "show", "config", "detail"});
    ASSERT_EQ(run.status, 0) << run.output;
    for (char c : run.output)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << run.output;
    const json document = parsed(run);
    const json& controller = document["controllers"][0];
    for (const char* key : {"serial_number", "firmware_version"})
        EXPECT_NE(text.output.find(": " + controller[key].get<std::string>() + "\n"), std::string::npos) << key;
    const json& disk = controller["arrays"][0]["physical_drives"][0];
    for (const char* key : {"serial_number", "model", "firmware_revision"})
        EXPECT_NE(text.output.find(": " + disk[key].get<std::string>() + "\n"), std::string::npos) << key;
}

// What the text run would report, and a command that would change anything,
// come as the error form with exit status 1; nothing is written.
TEST(Json, ErrorsAndWriteCommandsGiveTheErrorForm)
{
    LockDir dir;
    const Outcome before = runVnlcli(dir, {"controller", "all", "show", "config"});
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--json", "controller", "slot=9", "show"}, "The controller identified by \"slot=9\" was not detected."},
        {{"--json", "controller", "all", "show", "bogus"}, "Syntax error at \"bogus\""},
        {{"--json", "controller", "slot=3", "array", "all", "show", "config"},
         "The target must be a controller when using the \"config\" parameter."},
        {{"--json", "controller", "slot=3", "create", "type=ld", "drives=allunassigned"},
         "The --json option is for show commands only; nothing was run."},
        {{"--json", "controller", "slot=3", "modify", "rebuildpriority=high"},
         "The --json option is for show commands only; nothing was run."},
        {{"--json", "help"}, "The --json option is for show commands only; nothing was run."},
        {{"--json"}, "The --json option is for show commands only; nothing was run."},
    };
    const uid_t nobody = 65534;
    const Outcome notRoot = runVnlcli(dir, {"--json", "controller", "all", "show"}, "", nobody);
    EXPECT_EQ(notRoot.status, 1);
    EXPECT_EQ(parsed(notRoot)["error"]["message"], "You need to have administrator rights to continue.");
    for (const auto& [args, message] : refused) {
        const Outcome run = runVnlcli(dir, args);
        EXPECT_EQ(run.status, 1) << run.output;
        EXPECT_EQ(parsed(run), json({{"error", {{"message", message}, {"code", 1}}}})) << run.output;
    }
    EXPECT_EQ(runVnlcli(dir, {"controller", "all", "show", "config"}).output, before.output);
}

// The firmware notice explains a refusal without an error message: the
// error form carries the notice, on one line.
TEST(Json, ARefusalExplainedByANoticeCarriesTheNotice)
{
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("firmware"));
    const Outcome run = runVnlcli(dir, {"--json", "controller", "all", "show"});
    EXPECT_EQ(run.status, 1);
    const std::string message = parsed(run)["error"]["message"].get<std::string>();
    EXPECT_TRUE(message.starts_with("Orvex Kestrel 2200 in Slot 2 (sn: KST2200077) FIRMWARE UPGRADE REQUIRED: The"))
        << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

} // namespace

// The document carries every value a device has, whichever command lists it: a command whose
// text needs only part of each controller still lists each one whole.
TEST(Json, AControllerIsListedWithAllItsValuesByEveryCommand)
{
    auto settings = [](const json& document) {
        std::vector<json> controllers;
        for (const json& controller : document["controllers"]) {
            json scalars;
            for (const auto& [key, value] : controller.items())
                if (value.is_primitive())
                    scalars[key] = value;
            controllers.push_back(scalars);
        }
        return controllers;
    };
    LockDir dir;
    ASSERT_TRUE(dir.usePreset("server"));
    const auto whole = settings(parsed(runVnlcli(dir, {"--json", "controller", "all", "show", "detail"})));
    ASSERT_FALSE(whole.empty());
    ASSERT_TRUE(whole.front().contains("rebuild_priority")) << whole.front();
    for (const std::vector<std::string>& form :
         {std::vector<std::string>{"controller", "all", "show"}, {"controller", "all", "show", "config"}})
        EXPECT_EQ(settings(parsed(runVnlcli(dir, withJson(form)))), whole) << testing::PrintToString(form);
}
