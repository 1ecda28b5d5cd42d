// Text formatters for structure members, chosen by the member's type name. A member's bytes are
// taken as the controller holds them (little-endian); text goes out through read and comes back
// through write, and what read shows, write accepts.
//
//   SA_BYTE, SA_WORD, SA_DWORD, SA_QWORD (and their " []" arrays): each element as 0x-prefixed,
//       zero-padded hexadecimal, elements separated by one blank. Written values may be decimal or
//       0x-hexadecimal.
//   char, char []: the characters up to the first NUL; bytes that are not printable show as '.'.
//       A written text must fit the member and is padded with NULs.
//   anything else (reserved bytes, embedded structures): hexadecimal bytes "00 1A FF".
// Writing fewer array elements than the member holds clears the rest. A write that does not parse
// or does not fit returns false and leaves the bytes untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class TypeProxy {
public:
    virtual ~TypeProxy() = default;
    virtual std::string read(std::span<const std::uint8_t> bytes) const = 0;
    virtual bool write(std::string_view text, std::span<std::uint8_t> bytes) const = 0;
};

class TypeProxyFactory {
public:
    // The formatter for a type name and a member of the given size; never fails, the fallback
    // shows hexadecimal bytes.
    static const TypeProxy& proxyFor(std::string_view typeName, std::size_t memberSize);

    // The type of one element: "SA_WORD" for "SA_WORD []", the name itself otherwise.
    static std::string_view elementType(std::string_view typeName);
};
