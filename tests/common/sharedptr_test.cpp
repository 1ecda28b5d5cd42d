#include "common/sharedptr.h"

#include <gtest/gtest.h>

namespace {

struct Counted {
    explicit Counted(int* deaths) : m_pDeaths(deaths) {}
    virtual ~Counted() { ++*m_pDeaths; }
    int* m_pDeaths;
};

struct Derived : Counted {
    using Counted::Counted;
};

} // namespace

TEST(SharedPtr, ConversionsAndCastsShareOneCountAndTheLastDeletes)
{
    int deaths = 0;
    {
        Common::shared_ptr<Derived> derived(new Derived(&deaths));
        Common::shared_ptr<Counted> base = derived;
        Common::shared_ptr<Derived> back = Common::dynamic_pointer_cast<Derived>(base);
        EXPECT_EQ(3, derived.useCount());
        EXPECT_TRUE(back == derived);
        derived.reset();
        base = base;
        EXPECT_EQ(2, back.useCount());

        Common::shared_ptr<Counted> plain(new Counted(&deaths));
        EXPECT_FALSE(Common::dynamic_pointer_cast<Derived>(plain));
        plain.share(back.get(), back.sharedCount());
        EXPECT_EQ(1, deaths);
        EXPECT_EQ(3, back.useCount());
    }
    EXPECT_EQ(2, deaths);
}

TEST(SharedPtr, ReleaseWithNoDeletionLeavesTheObjectToItsOwner)
{
    int deaths = 0;
    Counted owned(&deaths);
    {
        Common::shared_ptr<Counted> wrapper(&owned);
        Common::shared_ptr<Counted> copy = wrapper;
        copy.reset();
        wrapper.releaseWithNoDeletion();
        EXPECT_TRUE(wrapper == nullptr);
    }
    EXPECT_EQ(0, deaths);
}
