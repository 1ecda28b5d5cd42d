#include "core/attributevalue.h"

#include <gtest/gtest.h>

#include "core/attributecomposite.h"

namespace {

using Core::AttributeValue;

TEST(AttributeValueTest, TextFormOfEveryKind)
{
    EXPECT_EQ(AttributeValue().toString(), "");
    EXPECT_EQ(AttributeValue(static_cast<const char*>(nullptr)).toString(), "");
    EXPECT_EQ(AttributeValue(static_cast<unsigned char>(65)).toString(), "65");
    EXPECT_EQ(AttributeValue(static_cast<unsigned short>(512)).toString(), "512");
    EXPECT_EQ(AttributeValue(4294967295u).toString(), "4294967295");
    EXPECT_EQ(AttributeValue(-3).toString(), "-3");
    EXPECT_EQ(AttributeValue(18446744073709551615ull).toString(), "18446744073709551615");
    EXPECT_EQ(AttributeValue(AttributeValue::List{AttributeValue("a"), AttributeValue(2u)}).toString(), "a 2");
    EXPECT_EQ(AttributeValue(AttributeValue::Map{{"x", AttributeValue(1u)}, {"y", AttributeValue("z")}}).toString(),
              "x=1 y=z");
    EXPECT_EQ(AttributeValue(AttributeValue::ByteMap{{1, 2}, {3, 4}}).toString(), "1=2 3=4");
    Core::AttributeCompositePtr composite(new Core::AttributeComposite("ATTR_NAME_A", AttributeValue(9u)));
    EXPECT_EQ(AttributeValue(composite).toString(), "9");
    EXPECT_EQ(static_cast<Common::string>(AttributeValue("text")), "text");
}

TEST(AttributeValueTest, EqualityIsTypedButTextComparisonIsNot)
{
    EXPECT_EQ(AttributeValue(5u), AttributeValue(5u));
    EXPECT_NE(AttributeValue(5u), AttributeValue("5"));
    EXPECT_NE(AttributeValue(5u), AttributeValue(static_cast<unsigned short>(5)));
    EXPECT_EQ(AttributeValue(5u), "5");
    EXPECT_EQ(AttributeValue("abc"), AttributeValue(Common::string("abc")));
    EXPECT_EQ(AttributeValue(AttributeValue::List{AttributeValue(1u)}), AttributeValue(AttributeValue::List{1u}));
    EXPECT_NE(AttributeValue(AttributeValue::List{AttributeValue(1u)}), AttributeValue(AttributeValue::List{"1"}));
    EXPECT_EQ(*AttributeValue(7u).get<unsigned>(), 7u);
    EXPECT_EQ(AttributeValue(7u).get<int>(), nullptr);
}

} // namespace
