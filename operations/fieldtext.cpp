#include "operations/fieldtext.h"

#include <string>

namespace Operations {

Common::string printableText(const char* text, std::size_t length)
{
    std::string shown(text, length);
    for (char& c : shown)
        if (c < ' ' || c > '~')
            c = '?';
    return Common::string(shown.c_str(), shown.size());
}

Common::string fieldText(const char* field, std::size_t width)
{
    std::size_t length = 0;
    while (length < width && field[length] != '\0')
        ++length;
    while (length > 0 && field[length - 1] == ' ')
        --length;
    return printableText(field, length);
}

} // namespace Operations
