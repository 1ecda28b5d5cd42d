#include "common/ctlstring.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <ostream>

namespace Common {

string::Buffer* string::Buffer::create(std::size_t capacity)
{
    void* raw = ::operator new(sizeof(Buffer) + capacity + 1);
    return new (raw) Buffer{0, capacity, 1};
}

string::string(const char* text, std::size_t length)
{
    if (text == nullptr)
        return;
    append(text, length == npos ? std::strlen(text) : length);
}

string& string::operator=(const string& other)
{
    other.share();
    release(m_pBuffer);
    m_pBuffer = other.m_pBuffer;
    return *this;
}

string& string::operator=(string&& other) noexcept
{
    if (this != &other) {
        release(m_pBuffer);
        m_pBuffer = other.m_pBuffer;
        other.m_pBuffer = nullptr;
    }
    return *this;
}

string& string::operator=(const char* text)
{
    return *this = string(text); // `text` may point into our own buffer
}

std::size_t string::shareCount() const { return m_pBuffer == nullptr ? 0 : m_pBuffer->count; }

std::size_t string::find(const string& text, std::size_t from) const { return view().find(text.view(), from); }

std::size_t string::find(const char* text, std::size_t from) const
{
    return text == nullptr ? npos : view().find(text, from);
}

std::size_t string::find(char c, std::size_t from) const { return view().find(c, from); }

std::size_t string::rfind(const string& text, std::size_t from) const { return view().rfind(text.view(), from); }

std::size_t string::rfind(const char* text, std::size_t from) const
{
    return text == nullptr ? npos : view().rfind(text, from);
}

std::size_t string::rfind(char c, std::size_t from) const { return view().rfind(c, from); }

string string::substr(std::size_t pos, std::size_t len) const
{
    if (pos >= size())
        return string();
    return string(c_str() + pos, std::min(len, size() - pos));
}

string& string::operator+=(const string& text)
{
    append(text.c_str(), text.size());
    return *this;
}

string& string::operator+=(const char* text)
{
    if (text != nullptr)
        append(text, std::strlen(text));
    return *this;
}

string& string::operator+=(char c)
{
    append(&c, 1);
    return *this;
}

string& string::replace(std::size_t pos, std::size_t len, const string& text)
{
    pos = std::min(pos, size());
    string result = substr(0, pos);
    result += text;
    if (len < size() - pos)
        result += substr(pos + len);
    return *this = std::move(result);
}

void string::clear()
{
    release(m_pBuffer);
    m_pBuffer = nullptr;
}

// Makes this string the only owner of a buffer that holds `newLength` bytes,
// keeping the current text at its start. Returns the buffer this string let go
// of (to be released by the caller once it has finished reading from it), or
// null when the buffer was reused in place.
string::Buffer* string::unshareFor(std::size_t newLength)
{
    Buffer* old = m_pBuffer;
    if (old != nullptr && old->count == 1 && old->capacity >= newLength)
        return nullptr;
    const std::size_t grown = old == nullptr ? 0 : old->length * 2;
    Buffer* fresh = Buffer::create(std::max(newLength, grown));
    if (old != nullptr) {
        std::memcpy(fresh->chars(), old->chars(), old->length);
        fresh->length = old->length;
    }
    m_pBuffer = fresh;
    return old;
}

void string::append(const char* text, std::size_t length)
{
    if (length == 0)
        return;
    const std::size_t oldLength = size();
    Buffer* previous = unshareFor(oldLength + length);
    std::memcpy(m_pBuffer->chars() + oldLength, text, length);
    m_pBuffer->length = oldLength + length;
    m_pBuffer->chars()[m_pBuffer->length] = '\0';
    release(previous);
}

void string::destroy(Buffer* buffer)
{
    buffer->~Buffer();
    ::operator delete(buffer);
}

bool operator==(const string& a, const string& b) { return a.view() == b.view(); }

bool operator==(const string& a, const char* b) { return b != nullptr && a.view() == std::string_view(b); }

std::strong_ordering operator<=>(const string& a, const string& b) { return std::strcmp(a.c_str(), b.c_str()) <=> 0; }

string operator+(const string& a, const string& b)
{
    string result(a);
    result += b;
    return result;
}

string operator+(const string& a, const char* b)
{
    string result(a);
    result += b;
    return result;
}

string operator+(const char* a, const string& b)
{
    string result(a);
    result += b;
    return result;
}

string operator+(const string& a, char b)
{
    string result(a);
    result += b;
    return result;
}

std::ostream& operator<<(std::ostream& out, const string& text)
{
    return out.write(text.c_str(), static_cast<std::streamsize>(text.size()));
}

std::string toStdString(const string& text) { return std::string(text.c_str(), text.size()); }

string fromStdString(const std::string& text) { return string(text.c_str(), text.size()); }

} // namespace Common
