// Common::CompoundList - the in-memory form of a multi-valued attribute value.
//
// A list of strings in insertion order with a duplicates flag fixed at
// construction. Its text form joins the elements with
// COMPOUND_ATTRIBUTE_VALUE_DELIMITER ("*-*"); GenerateCompoundListFor parses
// such a text, so "a*-*b" and "a*-*b*-*" both give a and b, and "*-*" gives one
// empty element. Equality ignores order: equal sizes and every element of one
// list present in the other. Membership is kept in a hash index, so Add,
// contains and Remove cost no walk over the list per element.
#ifndef COMMON_COMPOUNDLIST_H
#define COMMON_COMPOUNDLIST_H

#include <cstddef>
#include <unordered_set>

#include "common/containers.h"
#include "common/ctlstring.h"

namespace Common {

inline constexpr const char* COMPOUND_ATTRIBUTE_VALUE_DELIMITER = "*-*";

class CompoundList {
public:
    using const_iterator = list<string>::const_iterator;

    explicit CompoundList(bool allowDuplicates);
    CompoundList(const string& text, bool allowDuplicates);

    // Appends; without duplicates an element already present is not added again.
    void Add(const string& element);
    void Merge(const CompoundList& other);
    void Merge(const string& text);
    // Removes every element equal to one of the given ones.
    void Remove(const string& element);
    void Remove(const CompoundList& other);
    void RemoveText(const string& text);

    bool contains(const string& element) const;
    std::size_t size() const { return m_elements.size(); }
    bool allowsDuplicates() const { return m_allowDuplicates; }
    void Clear();
    const_iterator begin() const { return m_elements.begin(); }
    const_iterator end() const { return m_elements.end(); }

    // The elements joined by `separator` (none after the last); an empty
    // separator means COMPOUND_ATTRIBUTE_VALUE_DELIMITER.
    string toString(const string& separator = string()) const;

    bool operator==(const CompoundList& other) const;

private:
    void RemoveAll(const std::unordered_set<string>& doomed);

    bool m_allowDuplicates;
    list<string> m_elements;
    std::unordered_set<string> m_present;
};

// Adds the elements of a "*-*"-joined text to `target`, in order.
void GenerateCompoundListFor(const string& text, CompoundList& target);

} // namespace Common

#endif
