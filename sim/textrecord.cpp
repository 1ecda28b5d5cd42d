#include "sim/textrecord.h"

namespace Sim {
namespace {

bool isPrintable(char c) { return c >= ' ' && c <= '~'; }

bool needsQuotes(std::string_view value)
{
    if (value.empty())
        return true;
    for (char c : value)
        if (c == ' ' || c == '\t' || c == '"' || c == '#' || c == '\\' || c == '=' || !isPrintable(c))
            return true;
    return false;
}

std::string quoted(std::string_view value)
{
    if (!needsQuotes(value))
        return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (!isPrintable(c)) {
            const auto byte = static_cast<unsigned char>(c);
            out += {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                    static_cast<char>('0' + (byte & 7))};
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// "\033" inside quotes: the byte of three octal digits (a text holding control characters).
bool readOctal(std::string_view line, size_t& pos, std::string& token)
{
    if (pos + 3 >= line.size() || line[pos + 1] > '3' || !isOctal(line[pos + 1]) || !isOctal(line[pos + 2]) ||
        !isOctal(line[pos + 3]))
        return false;
    token += static_cast<char>(((line[pos + 1] - '0') << 6) | ((line[pos + 2] - '0') << 3) | (line[pos + 3] - '0'));
    pos += 3;
    return true;
}

// Reads one token starting at pos; a quoted part may appear anywhere in it.
// Sets equalsAt to the position of the first unquoted '=' in the token.
bool readToken(std::string_view line, size_t& pos, std::string& token, size_t& equalsAt)
{
    token.clear();
    equalsAt = std::string::npos;
    bool inQuotes = false;
    for (; pos < line.size(); ++pos) {
        char c = line[pos];
        if (inQuotes) {
            if (c == '\\' && readOctal(line, pos, token))
                continue;
            if (c == '\\' && pos + 1 < line.size())
                token += line[++pos];
            else if (c == '"')
                inQuotes = false;
            else
                token += c;
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ' ' || c == '\t' || c == '#') {
            break;
        } else {
            if (c == '=' && equalsAt == std::string::npos)
                equalsAt = token.size();
            token += c;
        }
    }
    return !inQuotes;
}

} // namespace

bool TextRecord::has(std::string_view key) const
{
    for (const auto& f : fields)
        if (f.first == key)
            return true;
    return false;
}

std::string TextRecord::get(std::string_view key, std::string_view fallback) const
{
    for (const auto& f : fields)
        if (f.first == key)
            return f.second;
    return std::string(fallback);
}

void TextRecord::set(std::string_view key, std::string_view value)
{
    for (auto& f : fields)
        if (f.first == key) {
            f.second = value;
            return;
        }
    fields.emplace_back(std::string(key), std::string(value));
}

std::optional<TextRecord> parseRecordLine(std::string_view line, std::string& error)
{
    TextRecord record;
    size_t pos = 0;
    std::string token;
    while (pos < line.size()) {
        char c = line[pos];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++pos;
            continue;
        }
        if (c == '#')
            break;
        size_t equalsAt = 0;
        if (!readToken(line, pos, token, equalsAt)) {
            error = "unterminated quote";
            return std::nullopt;
        }
        if (record.kind.empty() && equalsAt == std::string::npos) {
            record.kind = token;
        } else if (equalsAt == std::string::npos) {
            record.words.push_back(token);
        } else if (equalsAt == 0 || record.kind.empty()) {
            error = "field without a name: " + token;
            return std::nullopt;
        } else {
            record.fields.emplace_back(token.substr(0, equalsAt), token.substr(equalsAt + 1));
        }
    }
    return record;
}

std::string formatRecord(const TextRecord& record)
{
    std::string out = record.kind;
    for (const auto& w : record.words)
        out += ' ' + quoted(w);
    for (const auto& f : record.fields)
        out += ' ' + f.first + '=' + quoted(f.second);
    return out;
}

} // namespace Sim
