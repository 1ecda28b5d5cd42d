#include "common/any.h"

#include <gtest/gtest.h>

#include "common/containers.h"

namespace {

struct Named {
    Common::string toString() const { return "named"; }
    bool operator==(const Named&) const = default;
};

} // namespace

TEST(Any, TextOfEachKind)
{
    EXPECT_EQ("200", Common::Any(static_cast<unsigned char>(200)).toString());
    EXPECT_EQ("18446744073709551615", Common::Any(~0ULL).toString());
    EXPECT_EQ("text", Common::Any("text").toString());
    EXPECT_EQ("named", Common::Any(Named()).toString());
    EXPECT_EQ("", Common::Any(Common::map<int, int>()).toString());
}

TEST(Any, EqualOnlyForTheSameKindAndValueAndCopiesClone)
{
    EXPECT_NE(Common::Any(5u), Common::Any(5));
    char buffer[] = "abc";
    EXPECT_EQ(Common::Any(static_cast<const char*>(buffer)), Common::Any("abc"));
    EXPECT_NE(Common::Any(Common::string("abc")), Common::Any("abc"));
    EXPECT_NE(Common::Any(), Common::Any(0));

    Common::Any original(Common::list<int>{1, 2});
    Common::Any copy = original;
    EXPECT_NE(original.get<Common::list<int>>(), copy.get<Common::list<int>>());
    EXPECT_EQ(original, copy);
    EXPECT_EQ(nullptr, copy.get<int>());
}

TEST(Any, EveryKindSurvivesCopyMoveAndAssignmentIntoAnyOther)
{
    const Common::Any kinds[] = {Common::Any(),
                                 Common::Any(7u),
                                 Common::Any(~0ULL),
                                 Common::Any(Common::string("shared text")),
                                 Common::Any("characters"),
                                 Common::Any(Common::list<int>{1, 2, 3})};
    for (const Common::Any& from : kinds)
        for (const Common::Any& into : kinds) {
            Common::Any copy = from;
            Common::Any moved = std::move(copy);
            EXPECT_TRUE(copy.empty());
            EXPECT_EQ(moved, from);
            Common::Any target = into;
            target = moved;
            EXPECT_EQ(target, from);
            target = std::move(moved);
            EXPECT_EQ(target, from);
            EXPECT_EQ(target.toString(), from.toString());
            auto& self = target;
            target = std::move(self);
            EXPECT_EQ(target, from);
        }
}
