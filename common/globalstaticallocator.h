// Common::GlobalStaticAllocator - the fixed memory pool that the operations'
// filter objects live in.
//
// Ten segments of 65,535 bytes, taken from the heap at the first allocation
// and never returned (their total is added to s_gTotalHeapMemory). A free
// fragment starts with its 16-bit size and the 16-bit distance to the next
// free fragment of its segment (0 = last); free lists stay in address order.
// An allocated block starts with a 16-bit payload size; callers get the
// address after it.
//
// allocate(n) needs n + 2 bytes (at least 4). It examines at most five
// segments that have free fragments, fewest fragments first (lower number on
// ties), and takes the first fragment that fits exactly or leaves at least
// 4 bytes over; the rest stays free in its place. When no examined segment
// fits, or n exceeds 65,533, it returns null. deallocate(p) puts the block
// back in address order and joins it with free neighbours that touch it;
// addresses outside the pool, and blocks that overlap free memory (a second
// free), are ignored. The pool has no lock: one thread at a time.
#ifndef COMMON_GLOBALSTATICALLOCATOR_H
#define COMMON_GLOBALSTATICALLOCATOR_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "common/noncopyable.h"

namespace Common {

// Bytes the memory pools have taken from the heap.
extern std::size_t s_gTotalHeapMemory;

class GlobalStaticAllocator : public NonCopyable {
public:
    static constexpr std::size_t SEGMENT_COUNT = 10;
    static constexpr std::size_t SEGMENT_SIZE = 65535;
    static constexpr std::size_t SEGMENTS_EXAMINED = 5;

    // The process-wide pool (never destroyed).
    static GlobalStaticAllocator& instance();

    GlobalStaticAllocator() = default;

    void* allocate(std::size_t n);
    void deallocate(void* p);

    // Inspection: the segment holding `p` (SEGMENT_COUNT when none), the free
    // fragments of a segment as (offset, size) in address order, and their count.
    std::size_t segmentOf(const void* p) const;
    std::vector<std::pair<std::size_t, std::size_t>> freeFragments(std::size_t segment) const;
    std::size_t fragmentCount(std::size_t segment) const { return m_segments[segment].fragments; }

private:
    struct Segment {
        std::unique_ptr<unsigned char[]> storage;
        unsigned char* base = nullptr;
        unsigned char* head = nullptr; // first free fragment, or none
        std::uint16_t fragments = 0;
    };

    void Initialize();
    static unsigned char* TakeFragment(Segment& segment, std::size_t need);
    static void Coalesce(Segment& segment, unsigned char* start);

    std::once_flag m_initialized;
    std::array<Segment, SEGMENT_COUNT> m_segments;
};

// Base of classes whose objects are allocated from the process-wide pool.
// `new (pool) T(...)` and `new T(...)` give null, constructing nothing, when
// the pool is out of room. Objects are always returned to the process-wide
// pool; one placed in another pool must be destroyed and freed by hand.
// Payloads are aligned for any type.
class GlobalStaticAllocated {
public:
    static void* operator new(std::size_t size, GlobalStaticAllocator& pool) noexcept;
    static void* operator new(std::size_t size) noexcept;
    static void operator delete(void* p) noexcept;
    static void operator delete(void* p, GlobalStaticAllocator& pool) noexcept;
};

} // namespace Common

#endif
