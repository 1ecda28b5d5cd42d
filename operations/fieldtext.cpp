#include "operations/fieldtext.h"

namespace Operations {

Common::string fieldText(const char* field, std::size_t width)
{
    std::size_t length = 0;
    while (length < width && field[length] != '\0')
        ++length;
    while (length > 0 && field[length - 1] == ' ')
        --length;
    return Common::string(field, length);
}

} // namespace Operations
