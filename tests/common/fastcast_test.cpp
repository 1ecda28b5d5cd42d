#include "common/fastcast.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

struct Shape {
    virtual ~Shape() = default;
};
struct Named {
    virtual ~Named() = default;
    int tag = 7;
};
struct Sided {
    virtual ~Sided() = default;
};
struct Square : Shape, Named {};
struct Tile : Shape, Sided, Named {};
struct Blob : Shape {};
struct Diamond : virtual Shape, Named {};
struct Kite : Diamond, Sided {};

template <int N>
struct Many : Shape, Named {
};

// Every cast, first and repeated, lands where dynamic_cast lands.
template <class Target, class Source>
void expectSameAsDynamicCast(Source* object)
{
    for (int pass = 0; pass < 2; ++pass)
        EXPECT_EQ(Common::fastCast<Target>(object), dynamic_cast<Target*>(object));
}

TEST(FastCast, LandsWhereDynamicCastDoesForEveryClassSeenAgainAndAgain)
{
    const Square square;
    const Tile tile;
    const Blob blob;
    const Kite kite;
    for (int round = 0; round < 3; ++round)
        for (const Shape* shape : std::vector<const Shape*>{&square, &tile, &blob, &kite, nullptr}) {
            expectSameAsDynamicCast<const Named>(shape);
            expectSameAsDynamicCast<const Sided>(shape);
            expectSameAsDynamicCast<const Diamond>(shape);
        }
    Tile writable;
    Shape* shape = &writable;
    Common::fastCast<Named>(shape)->tag = 9;
    EXPECT_EQ(writable.tag, 9);
}

template <int... N>
std::vector<std::unique_ptr<Shape>> manyShapes(std::integer_sequence<int, N...>)
{
    std::vector<std::unique_ptr<Shape>> shapes;
    (shapes.push_back(std::make_unique<Many<N>>()), ...);
    return shapes;
}

TEST(FastCast, KeepsCastingRightBeyondTheClassesItRemembers)
{
    auto shapes = manyShapes(std::make_integer_sequence<int, 2 * Common::FastCast::MAX_CLASSES>());
    shapes.push_back(std::make_unique<Blob>());
    for (int round = 0; round < 2; ++round)
        for (const auto& shape : shapes)
            expectSameAsDynamicCast<Named>(shape.get());
}

} // namespace
