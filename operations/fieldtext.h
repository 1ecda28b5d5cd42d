// fieldText - the text of a fixed-width character field of a controller reply. Such a field is
// not necessarily terminated: the text ends at the first NUL or at the field's end, whichever
// comes first, and trailing blanks (the padding of inquiry data) are dropped.
//
// A controller's text is untrusted: every text a reply (or the information-manager library)
// hands the tool passes through printableText on its way in, which keeps printable ASCII and
// replaces every other byte - control characters such as ESC, DEL, bytes above 127 - by "?".
// So no reply can send escape sequences to the administrator's terminal, whichever field or
// listing shows it.
#ifndef VNL_OPERATIONS_FIELDTEXT_H
#define VNL_OPERATIONS_FIELDTEXT_H

#include <cstddef>

#include "common/ctlstring.h"

namespace Operations {

Common::string printableText(const char* text, std::size_t length);

inline Common::string printableText(const Common::string& text) { return printableText(text.c_str(), text.size()); }

Common::string fieldText(const char* field, std::size_t width);

template <std::size_t N>
Common::string fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

} // namespace Operations

#endif
