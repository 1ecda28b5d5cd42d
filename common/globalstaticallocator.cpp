#include "common/globalstaticallocator.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Common {

std::size_t s_gTotalHeapMemory = 0;

namespace {

// Payloads of pooled objects start at multiples of this; segments are placed
// so that a block starting at a multiple has its payload there too.
constexpr std::size_t PAYLOAD_ALIGNMENT = alignof(std::max_align_t);
constexpr std::size_t HEADER_SIZE = 2;
constexpr std::size_t MIN_BLOCK = 4;

std::size_t Read16(const unsigned char* at)
{
    std::uint16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void Write16(unsigned char* at, std::size_t value)
{
    const std::uint16_t narrow = static_cast<std::uint16_t>(value);
    std::memcpy(at, &narrow, sizeof narrow);
}

std::size_t FragmentSize(const unsigned char* fragment) { return Read16(fragment); }

unsigned char* NextFragment(unsigned char* fragment)
{
    const std::size_t distance = Read16(fragment + 2);
    return distance == 0 ? nullptr : fragment + distance;
}

void SetNext(unsigned char* fragment, const unsigned char* next)
{
    Write16(fragment + 2, next == nullptr ? 0 : static_cast<std::size_t>(next - fragment));
}

void SetFragment(unsigned char* fragment, std::size_t size, const unsigned char* next)
{
    Write16(fragment, size);
    SetNext(fragment, next);
}

template <class Segment>
void Link(Segment& segment, unsigned char* previous, unsigned char* target)
{
    if (previous == nullptr)
        segment.head = target;
    else
        SetNext(previous, target);
}

} // namespace

GlobalStaticAllocator& GlobalStaticAllocator::instance()
{
    static GlobalStaticAllocator* pool = new GlobalStaticAllocator;
    return *pool;
}

void GlobalStaticAllocator::Initialize()
{
    for (Segment& segment : m_segments) {
        segment.storage = std::make_unique_for_overwrite<unsigned char[]>(SEGMENT_SIZE + PAYLOAD_ALIGNMENT);
        const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(segment.storage.get());
        const std::size_t shift = (PAYLOAD_ALIGNMENT - HEADER_SIZE - start % PAYLOAD_ALIGNMENT) % PAYLOAD_ALIGNMENT;
        segment.base = segment.storage.get() + shift;
        segment.head = segment.base;
        segment.fragments = 1;
        SetFragment(segment.base, SEGMENT_SIZE, nullptr);
    }
    s_gTotalHeapMemory += SEGMENT_COUNT * SEGMENT_SIZE;
}

void* GlobalStaticAllocator::allocate(std::size_t n)
{
    std::call_once(m_initialized, [this] { Initialize(); });
    if (n > SEGMENT_SIZE - HEADER_SIZE)
        return nullptr;
    const std::size_t need = std::max(n + HEADER_SIZE, MIN_BLOCK);

    std::array<std::size_t, SEGMENT_COUNT> order;
    for (std::size_t i = 0; i < SEGMENT_COUNT; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_segments[a].fragments < m_segments[b].fragments;
    });

    std::size_t examined = 0;
    for (std::size_t index : order) {
        Segment& segment = m_segments[index];
        if (segment.fragments == 0)
            continue; // full: nothing to examine
        if (unsigned char* block = TakeFragment(segment, need)) {
            std::memset(block, 0, need);
            Write16(block, need - HEADER_SIZE);
            return block + HEADER_SIZE;
        }
        if (++examined == SEGMENTS_EXAMINED)
            break;
    }
    return nullptr;
}

// First fit: a fragment of exactly `need` bytes is unlinked; a larger one
// (never leaving less than a fragment header over) is split and its rest
// takes its place in the list.
unsigned char* GlobalStaticAllocator::TakeFragment(Segment& segment, std::size_t need)
{
    unsigned char* previous = nullptr;
    for (unsigned char* fragment = segment.head; fragment != nullptr; fragment = NextFragment(fragment)) {
        const std::size_t size = FragmentSize(fragment);
        if (size == need) {
            Link(segment, previous, NextFragment(fragment));
            --segment.fragments;
            return fragment;
        }
        if (size >= need + MIN_BLOCK) {
            unsigned char* rest = fragment + need;
            SetFragment(rest, size - need, NextFragment(fragment));
            Link(segment, previous, rest);
            return fragment;
        }
        previous = fragment;
    }
    return nullptr;
}

void GlobalStaticAllocator::deallocate(void* p)
{
    const std::size_t index = segmentOf(p);
    if (index == SEGMENT_COUNT)
        return;
    Segment& segment = m_segments[index];
    unsigned char* block = static_cast<unsigned char*>(p) - HEADER_SIZE;
    const std::size_t size = Read16(block) + HEADER_SIZE;
    if (size < MIN_BLOCK || static_cast<std::size_t>(block - segment.base) + size > SEGMENT_SIZE)
        return;

    unsigned char* previous = nullptr;
    unsigned char* next = segment.head;
    while (next != nullptr && next < block) {
        previous = next;
        next = NextFragment(next);
    }
    const bool overlapsFree =
        (previous != nullptr && previous + FragmentSize(previous) > block) || (next != nullptr && block + size > next);
    if (overlapsFree)
        return;

    std::memset(block, 0, size);
    SetFragment(block, size, next);
    Link(segment, previous, block);
    ++segment.fragments;
    Coalesce(segment, previous != nullptr ? previous : block);
}

// Two steps from `start`: a fragment that touches its successor absorbs it
// and is looked at again; otherwise the walk moves on. This joins a freed
// block with both neighbours.
void GlobalStaticAllocator::Coalesce(Segment& segment, unsigned char* start)
{
    unsigned char* current = start;
    for (int step = 0; step < 2 && current != nullptr; ++step) {
        unsigned char* successor = NextFragment(current);
        if (successor != nullptr && static_cast<std::size_t>(successor - current) == FragmentSize(current)) {
            SetFragment(current, FragmentSize(current) + FragmentSize(successor), NextFragment(successor));
            --segment.fragments;
        } else {
            current = successor;
        }
    }
}

std::size_t GlobalStaticAllocator::segmentOf(const void* p) const
{
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(p);
    for (std::size_t i = 0; i < SEGMENT_COUNT; ++i) {
        const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(m_segments[i].base);
        if (base != 0 && address >= base + HEADER_SIZE && address < base + SEGMENT_SIZE)
            return i;
    }
    return SEGMENT_COUNT;
}

std::vector<std::pair<std::size_t, std::size_t>> GlobalStaticAllocator::freeFragments(std::size_t segment) const
{
    std::vector<std::pair<std::size_t, std::size_t>> result;
    const Segment& owner = m_segments[segment];
    for (unsigned char* fragment = owner.head; fragment != nullptr; fragment = NextFragment(fragment))
        result.emplace_back(static_cast<std::size_t>(fragment - owner.base), FragmentSize(fragment));
    return result;
}

namespace {

// Rounds a request so that the block (payload plus header) is a whole number
// of alignment units; with the segment placement this aligns every payload.
std::size_t AlignedRequest(std::size_t size)
{
    const std::size_t block = size + HEADER_SIZE;
    return (block + PAYLOAD_ALIGNMENT - 1) / PAYLOAD_ALIGNMENT * PAYLOAD_ALIGNMENT - HEADER_SIZE;
}

} // namespace

void* GlobalStaticAllocated::operator new(std::size_t size, GlobalStaticAllocator& pool) noexcept
{
    return pool.allocate(AlignedRequest(size));
}

void* GlobalStaticAllocated::operator new(std::size_t size) noexcept
{
    return operator new(size, GlobalStaticAllocator::instance());
}

void GlobalStaticAllocated::operator delete(void* p) noexcept { GlobalStaticAllocator::instance().deallocate(p); }

void GlobalStaticAllocated::operator delete(void* p, GlobalStaticAllocator& pool) noexcept { pool.deallocate(p); }

} // namespace Common
