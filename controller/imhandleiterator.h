// IMHandleIterator - the handles of one kind of object the information
// manager enumerates, in the manager's order, plus what was read about each.
//
// Children are asked for by index from 0 until the manager answers "no more
// objects"; an index that fails otherwise is skipped, and the walk stops
// after MAX_INDEX indexes whatever the manager answers. A child the
// iterator does not take is closed again; taken handles stay open for the
// life of the process, and roots opened for the walk are closed after it.
#ifndef CONTROLLER_IMHANDLEITERATOR_H
#define CONTROLLER_IMHANDLEITERATOR_H

#include <functional>
#include <vector>

#include "common/containers.h"
#include "controller/imgrdefs.h"

class IMHandleIterator {
public:
    static constexpr std::uint32_t MAX_INDEX = 4096;
    using const_iterator = std::vector<ImgrHandle>::const_iterator;

    virtual ~IMHandleIterator() = default;

    const_iterator begin() const { return m_handles.begin(); }
    const_iterator end() const { return m_handles.end(); }
    std::size_t size() const { return m_handles.size(); }
    bool empty() const { return m_handles.empty(); }

protected:
    // Decides whether a child is taken; it may record what it read.
    using Acceptor = std::function<bool(ImgrHandle)>;

    // Opens a root object of the kind, walks its children and closes it.
    void EnumerateRoot(std::uint32_t objectKind, const Acceptor& accept);
    void Enumerate(ImgrHandle parent, std::uint32_t childKind, const Acceptor& accept);

    // Reads one fixed-size information record; false leaves it zeroed.
    template <class Info>
    static bool ReadInfo(ImgrHandle handle, std::uint32_t infoClass, Info& info)
    {
        info = Info{};
        return ReadInfoBytes(handle, infoClass, &info, sizeof(info));
    }

    // The record kept for a handle, or a zeroed one for a handle not taken.
    template <class Info>
    static const Info& Lookup(const Common::map<ImgrHandle, Info>& records, ImgrHandle handle)
    {
        static const Info none{};
        auto found = records.find(handle);
        return found == records.end() ? none : found->second;
    }

private:
    static bool ReadInfoBytes(ImgrHandle handle, std::uint32_t infoClass, void* buffer, std::uint32_t size);

    std::vector<ImgrHandle> m_handles;
};

#endif
