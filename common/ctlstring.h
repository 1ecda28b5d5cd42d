// Common::string - the byte string every layer passes around.
//
// Value semantics over a shared buffer: copying or assigning another string
// shares its buffer and bumps a count; every mutation (assignment from
// characters, +=, replace, clear) first detaches, so other copies keep their
// text. Counts are plain integers: a string and its copies are used by one
// thread at a time. No operation throws or reads outside the buffer; out of
// range positions are clamped. Equality is length plus bytes; ordering
// compares as zero-terminated byte strings. Positions that are not found are
// `npos` (all ones).
#ifndef COMMON_CTLSTRING_H
#define COMMON_CTLSTRING_H

#include <compare>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace Common {

// Marker base of the foundation value types; carries no data.
class Signature {
public:
    bool isInvariant() const { return true; }
};

class string : public Signature {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    string() = default;
    string(const char* text, std::size_t length = npos); // npos: up to the zero
    string(const string& other) noexcept : m_pBuffer(other.m_pBuffer) { share(); }
    string(string&& other) noexcept : m_pBuffer(other.m_pBuffer) { other.m_pBuffer = nullptr; }
    ~string() { release(m_pBuffer); }

    string& operator=(const string& other);
    string& operator=(string&& other) noexcept;
    string& operator=(const char* text);

    const char* c_str() const { return m_pBuffer == nullptr ? "" : m_pBuffer->chars(); }
    std::size_t size() const { return m_pBuffer == nullptr ? 0 : m_pBuffer->length; }
    std::size_t length() const { return size(); }
    bool empty() const { return size() == 0; }
    char operator[](std::size_t index) const { return c_str()[index]; }
    const char* begin() const { return c_str(); }
    const char* end() const { return c_str() + size(); }

    std::size_t find(const string& text, std::size_t from = 0) const;
    std::size_t find(const char* text, std::size_t from = 0) const;
    std::size_t find(char c, std::size_t from = 0) const;
    std::size_t rfind(const string& text, std::size_t from = npos) const;
    std::size_t rfind(const char* text, std::size_t from = npos) const;
    std::size_t rfind(char c, std::size_t from = npos) const;
    string substr(std::size_t pos = 0, std::size_t len = npos) const;

    string& operator+=(const string& text);
    string& operator+=(const char* text);
    string& operator+=(char c);
    // Replaces up to `len` bytes at `pos` (clamped to the end) by `text`.
    string& replace(std::size_t pos, std::size_t len, const string& text);
    void clear();

    // Number of strings sharing this buffer (0 for an empty string that owns none).
    std::size_t shareCount() const;

    friend bool operator==(const string& a, const string& b);
    friend bool operator==(const string& a, const char* b);
    friend std::strong_ordering operator<=>(const string& a, const string& b);

private:
    // One heap block: this header followed by the characters and their zero. Capacity above
    // the length lets a string that owns its buffer alone grow in place, so building a text by
    // repeated += stays linear.
    struct Buffer {
        std::size_t length;
        std::size_t capacity;
        std::size_t count;

        char* chars() { return reinterpret_cast<char*>(this + 1); }
        const char* chars() const { return reinterpret_cast<const char*>(this + 1); }
        static Buffer* create(std::size_t capacity);
    };

    std::string_view view() const { return std::string_view(c_str(), size()); }
    void share() const
    {
        if (m_pBuffer != nullptr)
            ++m_pBuffer->count;
    }
    void append(const char* text, std::size_t length);
    Buffer* unshareFor(std::size_t newLength);
    static void release(Buffer* buffer)
    {
        if (buffer != nullptr && --buffer->count == 0)
            destroy(buffer);
    }
    static void destroy(Buffer* buffer);

    Buffer* m_pBuffer = nullptr; // null for the empty string
};

string operator+(const string& a, const string& b);
string operator+(const string& a, const char* b);
string operator+(const char* a, const string& b);
string operator+(const string& a, char b);
std::ostream& operator<<(std::ostream& out, const string& text);

// The same bytes, zeros included, as a standard string and back.
std::string toStdString(const string& text);
string fromStdString(const std::string& text);

} // namespace Common

template <>
struct std::hash<Common::string> {
    std::size_t operator()(const Common::string& text) const noexcept
    {
        return std::hash<std::string_view>()(std::string_view(text.c_str(), text.size()));
    }
};

#endif
