#include "common/globalstaticallocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

using Common::GlobalStaticAllocator;

namespace {

using Fragments = std::vector<std::pair<std::size_t, std::size_t>>;
constexpr std::size_t WHOLE = GlobalStaticAllocator::SEGMENT_SIZE;
constexpr std::size_t LARGEST_REQUEST = WHOLE - 2;

// A pool whose segments 1..9 are completely taken, so that every request is
// served from segment 0, which is entirely free.
class PoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        void* first = m_pool.allocate(LARGEST_REQUEST);
        for (std::size_t i = 1; i < GlobalStaticAllocator::SEGMENT_COUNT; ++i)
            m_pool.allocate(LARGEST_REQUEST);
        m_pool.deallocate(first);
        m_base = static_cast<unsigned char*>(first);
    }

    std::size_t offsetOf(const void* p) const { return static_cast<const unsigned char*>(p) - m_base; }
    Fragments segmentZero() const { return m_pool.freeFragments(0); }

    GlobalStaticAllocator m_pool;
    unsigned char* m_base = nullptr;
};

} // namespace

TEST(GlobalStaticAllocator, BlocksCarryTheirSizeComeZeroedAndMayNotExceedASegment)
{
    GlobalStaticAllocator pool;
    auto* block = static_cast<unsigned char*>(pool.allocate(10));
    std::memset(block, 0xAB, 10);
    pool.deallocate(block);
    ASSERT_EQ(block, pool.allocate(10));
    std::uint16_t header;
    std::memcpy(&header, block - 2, sizeof header);
    EXPECT_EQ(10, header);
    EXPECT_EQ(0, block[9]);
    EXPECT_EQ(nullptr, pool.allocate(LARGEST_REQUEST + 1));
    EXPECT_EQ(nullptr, pool.allocate(static_cast<std::size_t>(-1)));
}

TEST(GlobalStaticAllocator, AtMostFiveSegmentsWithRoomAreExamined)
{
    GlobalStaticAllocator pool;
    void* small[10];
    void* large[10];
    for (int i = 0; i < 10; ++i) { // each segment exactly full: 100 + 65435 bytes
        small[i] = pool.allocate(98);
        large[i] = pool.allocate(65433);
        ASSERT_EQ(static_cast<std::size_t>(i), pool.segmentOf(large[i]));
    }
    for (int i = 0; i < 5; ++i)
        pool.deallocate(large[i]); // segments 0..4: one fragment of 65435
    pool.deallocate(small[5]);
    pool.deallocate(large[5]); // segment 5: whole again, but sixth in line
    EXPECT_EQ(Fragments({{0, WHOLE}}), pool.freeFragments(5));
    EXPECT_EQ(nullptr, pool.allocate(LARGEST_REQUEST));

    pool.deallocate(small[1]); // segment 1: whole, second in line
    EXPECT_EQ(1u, pool.segmentOf(pool.allocate(LARGEST_REQUEST)));
}

TEST(GlobalStaticAllocator, SegmentsWithFewerFragmentsComeFirst)
{
    GlobalStaticAllocator pool;
    void* a = pool.allocate(10);
    pool.allocate(10);
    pool.deallocate(a); // segment 0: two fragments, the others one
    EXPECT_EQ(1u, pool.segmentOf(pool.allocate(10)));
}

TEST_F(PoolTest, FirstFittingFragmentInAddressOrderIsTaken)
{
    void* a = m_pool.allocate(10); // 12 bytes at 0
    m_pool.allocate(10); // 12 bytes at 12
    void* c = m_pool.allocate(20); // 22 bytes at 24
    m_pool.allocate(10); // 12 bytes at 46
    m_pool.deallocate(c);
    m_pool.deallocate(a);
    EXPECT_EQ(Fragments({{0, 12}, {24, 22}, {58, WHOLE - 58}}), segmentZero());

    EXPECT_EQ(0u, offsetOf(m_pool.allocate(10))); // exact fit unlinks the head
    EXPECT_EQ(24u, offsetOf(m_pool.allocate(4))); // split: the rest stays in place
    EXPECT_EQ(Fragments({{30, 16}, {58, WHOLE - 58}}), segmentZero());
    EXPECT_EQ(2u, m_pool.fragmentCount(0));
}

TEST_F(PoolTest, FragmentsThatWouldLeaveOneToThreeBytesAreSkipped)
{
    void* holes[4];
    for (std::size_t i = 0; i < 4; ++i) { // holes of 13, 14, 15 and 16 bytes with guards between
        holes[i] = m_pool.allocate(11 + i);
        m_pool.allocate(2);
    }
    for (void* hole : holes)
        m_pool.deallocate(hole);
    EXPECT_EQ(offsetOf(holes[3]), offsetOf(m_pool.allocate(10))); // 12 of 16: 4 over
    EXPECT_EQ(offsetOf(holes[1]), offsetOf(m_pool.allocate(12))); // 14 of 14: exact
}

TEST_F(PoolTest, FreeingJoinsTouchingNeighboursAndIgnoresForeignOrRepeatedFrees)
{
    void* first = m_pool.allocate(10);
    void* second = m_pool.allocate(20);
    void* third = m_pool.allocate(30);
    m_pool.allocate(10); // keeps the third away from the tail
    m_pool.deallocate(first);
    m_pool.deallocate(third);
    m_pool.deallocate(second);
    const Fragments joined{{0, 66}, {78, WHOLE - 78}};
    EXPECT_EQ(joined, segmentZero());

    int local = 0;
    m_pool.deallocate(&local);
    m_pool.deallocate(second);
    EXPECT_EQ(joined, segmentZero());
    EXPECT_EQ(2u, m_pool.fragmentCount(0));
}

namespace {

struct Pooled : Common::GlobalStaticAllocated {
    explicit Pooled(bool* built) { *built = true; }
    virtual ~Pooled() = default;
    long double wide = 1.0L;
};

} // namespace

TEST(GlobalStaticAllocated, ObjectsAreAlignedAndNullWhenThePoolIsFull)
{
    bool built = false;
    Pooled* first = new Pooled(&built);
    Pooled* second = new Pooled(&built);
    EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(second) % alignof(std::max_align_t));
    delete first;
    delete second;

    GlobalStaticAllocator pool;
    for (std::size_t i = 0; i < GlobalStaticAllocator::SEGMENT_COUNT; ++i)
        pool.allocate(LARGEST_REQUEST);
    built = false;
    EXPECT_EQ(nullptr, new (pool) Pooled(&built));
    EXPECT_FALSE(built);
}
