// fieldText - the text of a fixed-width character field of a controller reply. Such a field is
// not necessarily terminated: the text ends at the first NUL or at the field's end, whichever
// comes first, and trailing blanks (the padding of inquiry data) are dropped.
#ifndef VNL_OPERATIONS_FIELDTEXT_H
#define VNL_OPERATIONS_FIELDTEXT_H

#include <cstddef>

#include "common/ctlstring.h"

namespace Operations {

Common::string fieldText(const char* field, std::size_t width);

template <std::size_t N>
Common::string fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

} // namespace Operations

#endif
