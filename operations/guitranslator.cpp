#include "operations/guitranslator.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "common/messagecatalog.h"
#include "controller/modeltable.h"
#include "operations/conversion.h"

namespace Common {
namespace {

using Conversion::SizeConvert;

// Identifiers of the device model are data; the common layer names the few it needs here.
constexpr const char* TYPE_ARRAY = "ATTR_VALUE_TYPE_ARRAY";
constexpr const char* TYPE_PHYSICAL_DRIVE = "ATTR_VALUE_TYPE_PHYSICAL_DRIVE";
constexpr const char* SLOT_EMBEDDED = "ATTR_VALUE_SLOT_EMBEDDED";
constexpr const char* SLOT_UNKNOWN = "ATTR_VALUE_SLOT_UNKNOWN";
constexpr const char* UNKNOWN_CONTROLLER = "STR_UNKNOWN_CTRL";

// Free space below this many MB is shown as none.
constexpr double MIN_SHOWN_FREE_MB = 15.0;

// How the value of an attribute is displayed; attributes not listed are
// looked up in the catalog.
enum class DisplayRule { AsIs, ArrayLetter, OneBased, BinarySize, FreeSpace, DriveSize, Percent };

const std::unordered_map<std::string_view, DisplayRule>& displayRules()
{
    static const std::unordered_map<std::string_view, DisplayRule> rules{
        // User-given text and plain counts that must never be translated.
        {"ATTR_NAME_BOX_NAME", DisplayRule::AsIs},
        {"ATTR_NAME_SECTORS", DisplayRule::AsIs},
        {"ATTR_NAME_ARRAY_NUMBER", DisplayRule::ArrayLetter},
        // Zero-based indexes shown one-based.
        {"ATTR_NAME_DEVICE_NUMBER", DisplayRule::OneBased},
        {"ATTR_NAME_DRIVE_NUMBER", DisplayRule::OneBased},
        {"ATTR_NAME_IO_SLOT", DisplayRule::OneBased},
        {"ATTR_NAME_BUS", DisplayRule::OneBased},
        {"ATTR_NAME_SCSI_BUS", DisplayRule::OneBased},
        {"ATTR_NAME_HBA_PORT", DisplayRule::OneBased},
        // Block counts shown in binary units (cache sizes are block counts too).
        {"ATTR_NAME_USEABLE_BLOCKS", DisplayRule::BinarySize},
        {"ATTR_NAME_STRIPE_SIZE", DisplayRule::BinarySize},
        {"ATTR_NAME_CACHE_SIZE_READ", DisplayRule::BinarySize},
        {"ATTR_NAME_CACHE_SIZE_WRITE", DisplayRule::BinarySize},
        {"ATTR_NAME_CACHE_SIZE_TOTAL", DisplayRule::BinarySize},
        {"ATTR_NAME_CACHE_SIZE_TOTAL_BBBWC", DisplayRule::BinarySize},
        {"ATTR_NAME_CACHE_SIZE_TOTAL_NON_BBBWC", DisplayRule::BinarySize},
        {"ATTR_NAME_FREE_BLOCKS", DisplayRule::FreeSpace},
        {"ATTR_NAME_TOTAL_BLOCKS", DisplayRule::DriveSize},
        {"ATTR_NAME_EXPAND_PERCENT_COMPLETE", DisplayRule::Percent},
        {"ATTR_NAME_REBUILD_PERCENT_COMPLETE", DisplayRule::Percent},
    };
    return rules;
}

std::string_view view(const string& text) { return std::string_view(text.c_str(), text.size()); }

string toString(std::string_view text) { return string(text.data(), text.size()); }

// The whole text as an unsigned decimal number.
bool readCount(const string& text, std::uint64_t& count)
{
    const auto result = std::from_chars(text.begin(), text.end(), count);
    return result.ec == std::errc() && result.ptr == text.end();
}

// The whole text as a finite real number.
bool readReal(const string& text, double& real)
{
    const auto result = std::from_chars(text.begin(), text.end(), real);
    return result.ec == std::errc() && result.ptr == text.end() && std::isfinite(real);
}

// Unused space: under 15 MB counts as none; an array shows whole MB, rounded
// up from a fraction above 0.49, other devices the usual size text.
string freeSpace(std::uint64_t blocks, const string& deviceType)
{
    if (SizeConvert::blocksToMB(blocks) < MIN_SHOWN_FREE_MB)
        blocks = 0;
    if (deviceType != TYPE_ARRAY)
        return SizeConvert::sizeString(blocks, SizeConvert::CONVERT_BINARY);
    SizeConvert::EnUnitType unit = SizeConvert::UNIT_MB;
    double megabytes = SizeConvert::convertFromBlocks(blocks, unit, SizeConvert::CONVERT_BINARY);
    if (megabytes - std::floor(megabytes) > 0.49)
        megabytes += 1.0;
    char text[32];
    std::snprintf(text, sizeof text, "%llu MB", static_cast<unsigned long long>(megabytes));
    return string(text);
}

string countDisplay(DisplayRule rule, std::uint64_t count, const string& value, const string& deviceType)
{
    switch (rule) {
    case DisplayRule::ArrayLetter:
        return intToArrayLetter(count);
    case DisplayRule::OneBased:
        return increment(count);
    case DisplayRule::BinarySize:
        return SizeConvert::sizeString(count, SizeConvert::CONVERT_BINARY);
    case DisplayRule::FreeSpace:
        return freeSpace(count, deviceType);
    case DisplayRule::DriveSize:
        return deviceType == TYPE_PHYSICAL_DRIVE ? SizeConvert::sizeString(count, SizeConvert::CONVERT_MARKETING)
                                                 : value;
    default:
        return value;
    }
}

// Applies a rule; a value the rule cannot read as a number is shown as it is.
string applyRule(DisplayRule rule, const string& value, const string& deviceType)
{
    if (rule == DisplayRule::AsIs)
        return value;
    if (rule == DisplayRule::Percent) {
        double percent = 0.0;
        return readReal(value, percent) ? toPercent(percent, 1) : value;
    }
    std::uint64_t count = 0;
    return readCount(value, count) ? countDisplay(rule, count, value, deviceType) : value;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::unordered_map<string, string> GUITranslator::sm_stringTable;

void GUITranslator::InitializeTable()
{
    const std::span<const CatalogRow> rows = messageCatalog();
    const std::span<const ModelTable::Model> models = ModelTable::models();
    sm_stringTable.reserve(rows.size() + models.size());
    for (const CatalogRow& row : rows)
        sm_stringTable.insert_or_assign(toString(row.key), toString(row.text));
    for (const ModelTable::Model& model : models)
        sm_stringTable.insert_or_assign(toString(model.key), toString(model.name));
}

string GUITranslator::LoadStr(const string& key)
{
    if (sm_stringTable.empty())
        InitializeTable();
    const auto row = sm_stringTable.find(key);
    return row == sm_stringTable.end() ? key : row->second;
}

void GUITranslator::AddString(const string& key, const string& text)
{
    // Filling first keeps an added row from standing in for the whole catalog.
    if (sm_stringTable.empty())
        InitializeTable();
    sm_stringTable.insert_or_assign(key, text);
}

void GUITranslator::Clear() { sm_stringTable.clear(); }

string GUITranslator::getDisplayName(const string& attributeName, const string&) { return LoadStr(attributeName); }

string GUITranslator::getDisplayValue(const string& attributeName, const string& value, const string& deviceType)
{
    if (value.empty())
        return value;
    const auto& rules = displayRules();
    const auto rule = rules.find(view(attributeName));
    return rule == rules.end() ? LoadStr(value) : applyRule(rule->second, value, deviceType);
}

string GUITranslator::LoadParmStr(const string& key, const string& p0, const string& p1, const string& p2,
                                  const string& p3, const string& p4, const string& p5, const string& p6,
                                  const string& p7, const string& p8, const string& p9)
{
    const string* const parameters[] = {&p0, &p1, &p2, &p3, &p4, &p5, &p6, &p7, &p8, &p9};
    const string templ = LoadStr(key);
    string expanded;
    std::size_t copied = 0;
    for (std::size_t open = templ.find('<'); open != string::npos; open = templ.find('<', open + 1)) {
        if (open + 1 >= templ.size() || !isDigit(templ[open + 1]))
            continue;
        const std::size_t close = templ.find('>', open);
        if (close == string::npos)
            break;
        expanded += templ.substr(copied, open - copied);
        expanded += *parameters[templ[open + 1] - '0'];
        copied = close + 1;
        open = close;
    }
    return expanded + templ.substr(copied);
}

string GUITranslator::htmlFormat(const string& text)
{
    string html = text;
    ReplaceAll(html, sTEXT_NEWLINE, sHTML_BREAK2);
    return html;
}

string GUITranslator::textFormat(const string& text)
{
    string plain = text;
    ReplaceAll(plain, sHTML_BREAK1, sTEXT_NEWLINE);
    ReplaceAll(plain, sHTML_BREAK2, sTEXT_NEWLINE);
    ReplaceAll(plain, sHTML_SPACE, sTEXT_SPACE);
    return plain;
}

string GUITranslator::fileIncludeFormat(const string& text)
{
    string quoted = text;
    ReplaceAll(quoted, "\\", "\\\\");
    ReplaceAll(quoted, sTEXT_NEWLINE, "\\n");
    ReplaceAll(quoted, "\"", "\\\"");
    return quoted;
}

string GUITranslator::ctrlName(const string& controllerName, const string& slot, const string& boxName)
{
    if (controllerName.empty())
        return LoadStr(UNKNOWN_CONTROLLER);
    const string model = LoadStr(controllerName);
    if (!slot.empty() && slot != SLOT_EMBEDDED && slot != SLOT_UNKNOWN)
        return model + " in Slot " + slot;
    if (!boxName.empty())
        return model + " at " + boxName;
    return model;
}

string getDisplayValue(const string& attributeName, const string& value, const string& deviceType)
{
    return GUITranslator::getDisplayValue(attributeName, value, deviceType);
}

} // namespace Common
