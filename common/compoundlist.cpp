#include "common/compoundlist.h"

#include <cstring>

namespace Common {

CompoundList::CompoundList(bool allowDuplicates) : m_allowDuplicates(allowDuplicates) {}

CompoundList::CompoundList(const string& text, bool allowDuplicates) : m_allowDuplicates(allowDuplicates)
{
    GenerateCompoundListFor(text, *this);
}

void CompoundList::Add(const string& element)
{
    if (m_present.insert(element).second || m_allowDuplicates)
        m_elements.push_back(element);
}

void CompoundList::Merge(const CompoundList& other)
{
    for (const string& element : other)
        Add(element);
}

void CompoundList::Merge(const string& text) { Merge(CompoundList(text, true)); }

void CompoundList::Remove(const string& element)
{
    if (contains(element))
        RemoveAll({element});
}

void CompoundList::Remove(const CompoundList& other) { RemoveAll(std::unordered_set<string>(other.m_present)); }

void CompoundList::RemoveText(const string& text) { Remove(CompoundList(text, false)); }

void CompoundList::RemoveAll(const std::unordered_set<string>& doomed)
{
    m_elements.remove_if([&doomed](const string& element) { return doomed.count(element) != 0; });
    for (const string& element : doomed)
        m_present.erase(element);
}

bool CompoundList::contains(const string& element) const { return m_present.count(element) != 0; }

void CompoundList::Clear()
{
    m_elements.clear();
    m_present.clear();
}

string CompoundList::toString(const string& separator) const
{
    const string& joint = separator.empty() ? string(COMPOUND_ATTRIBUTE_VALUE_DELIMITER) : separator;
    string text;
    for (const_iterator it = begin(); it != end(); ++it) {
        if (it != begin())
            text += joint;
        text += *it;
    }
    return text;
}

bool CompoundList::operator==(const CompoundList& other) const
{
    if (size() != other.size())
        return false;
    for (const string& element : m_present)
        if (!other.contains(element))
            return false;
    return true;
}

// Cuts the text at every delimiter, left to right, keeping empty pieces
// between adjacent delimiters; a final delimiter closes the last piece rather
// than opening an empty one. A text that ends in part of a delimiter ("x*-")
// keeps that part in its last element.
void GenerateCompoundListFor(const string& text, CompoundList& target)
{
    const std::size_t width = std::strlen(COMPOUND_ATTRIBUTE_VALUE_DELIMITER);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t hit = text.find(COMPOUND_ATTRIBUTE_VALUE_DELIMITER, pos);
        if (hit == string::npos) {
            target.Add(text.substr(pos));
            return;
        }
        target.Add(text.substr(pos, hit - pos));
        pos = hit + width;
    }
}

} // namespace Common
