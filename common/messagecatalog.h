// The message catalog as data: every key the program translates for people
// and its English text, in one fixed list compiled into the program.
//
// Keys are the identifiers of the device model (attribute names and symbolic
// values, operation and association names) spelled exactly as stored; texts
// are printed as written, and an empty text means "show nothing". Keys are
// distinct. The model names of the controller family (the
// ATTR_VALUE_CONTROLLER_NAME_... keys) are not here: they come with the
// product data in controller/modeltable.h. GUITranslator turns this list into
// its lookup table; nothing else should need it.
#ifndef COMMON_MESSAGECATALOG_H
#define COMMON_MESSAGECATALOG_H

#include <span>
#include <string_view>

namespace Common {

struct CatalogRow {
    std::string_view key;
    std::string_view text;
};

// Every row, grouped by key family.
std::span<const CatalogRow> messageCatalog();

} // namespace Common

#endif
