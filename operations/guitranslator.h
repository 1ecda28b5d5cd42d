// Common::GUITranslator - text for people from the device model's vocabulary.
//
// The device model stores symbolic keys (ATTR_VALUE_STATUS_OK, ATTR_VALUE_RAID_5)
// and numbers as decimal text of blocks, counts and zero-based indexes.
// getDisplayValue turns one attribute value into what is printed: sizes,
// percentages, array letters and one-based numbers are formatted, anything
// else is looked up in the message catalog (common/messagecatalog.h plus the
// controller model names of controller/modeltable.h; sizes through the size
// conversion of operations/conversion.h, which is why it lives here and not
// with the catalog in common/). Beside it live the template expansion of
// catalog messages and the plain-text/HTML conversions; the string helpers it
// shares with the command layer are in common/texthelpers.h.
//
// What a caller may rely on:
// - LoadStr returns the catalog text of a key (possibly empty), or the key
//   itself when the catalog has no such row. Lookups are hashed.
// - An empty value displays as empty whatever the attribute; a value that a
//   numeric rule cannot read as a number is shown unchanged.
// - Nothing here throws, reads outside a string or loops without end.
// All members are static. The table is filled by the first lookup and is not
// locked: it is used from the command thread only.
#ifndef OPERATIONS_GUITRANSLATOR_H
#define OPERATIONS_GUITRANSLATOR_H

#include <unordered_map>

#include "common/ctlstring.h"
#include "common/texthelpers.h"

namespace Common {

class GUITranslator {
public:
    static constexpr const char* sTEXT_NEWLINE = "\n";
    static constexpr const char* sHTML_BREAK1 = "<BR>";
    static constexpr const char* sHTML_BREAK2 = "<BR/>";
    static constexpr const char* sHTML_SPACE = "&nbsp;";
    static constexpr const char* sTEXT_SPACE = " ";

    static string LoadStr(const string& key);
    // Inserts or overwrites one row until the next Clear.
    static void AddString(const string& key, const string& text);
    // Empties the table; the next lookup fills it again from the catalog.
    static void Clear();

    // The label of an attribute name; the device type is not used.
    static string getDisplayName(const string& attributeName, const string& deviceType);
    // The printed form of an attribute value of a device of the given type
    // (its ATTR_NAME_TYPE value, e.g. ATTR_VALUE_TYPE_ARRAY).
    static string getDisplayValue(const string& attributeName, const string& value, const string& deviceType);

    // The catalog text of `key` with every placeholder "<d...>" (d a decimal
    // digit, up to the next ">") replaced by parameter d. Parameter texts are
    // inserted as they are and never expanded again.
    static string LoadParmStr(const string& key, const string& p0 = string(), const string& p1 = string(),
                              const string& p2 = string(), const string& p3 = string(), const string& p4 = string(),
                              const string& p5 = string(), const string& p6 = string(), const string& p7 = string(),
                              const string& p8 = string(), const string& p9 = string());

    // Every newline becomes "<BR/>".
    static string htmlFormat(const string& text);
    // Every "<BR>" and "<BR/>" becomes a newline, then every "&nbsp;" a blank.
    static string textFormat(const string& text);
    // A form that fits inside a double-quoted string of a generated file:
    // backslash, newline and double quote are written as \\, \n and \".
    static string fileIncludeFormat(const string& text);

    // A controller's name for the graphical front end, from its model key
    // (ATTR_NAME_CONTROLLER_NAME), its slot (ATTR_NAME_SLOT) and the box name
    // of the storage system around it: "<model> in Slot <slot>" when the slot
    // is a real one, "<model> at <box>" when there is a box name, else the
    // model name; the STR_UNKNOWN_CTRL text without a model key.
    static string ctrlName(const string& controllerName, const string& slot, const string& boxName);

private:
    static void InitializeTable();

    static std::unordered_map<string, string> sm_stringTable;
};

// Forwards to GUITranslator::getDisplayValue.
string getDisplayValue(const string& attributeName, const string& value, const string& deviceType);

} // namespace Common

#endif
