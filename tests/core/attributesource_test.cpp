#include "core/attributesource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/attributecomposite.h"
#include "core/attributepublisher.h"
#include "core/filterreturn.h"
#include "core/modelterms.h"
#include "core/privateattributesource.h"

namespace {

using namespace Core;
using namespace Core::ModelTerms;

std::vector<std::string> names(const AttributeSource& source)
{
    std::vector<std::string> listed;
    for (auto it = source.beginAttribute(); it != source.endAttribute(); ++it)
        listed.push_back(it->first.c_str());
    return listed;
}

TEST(AttributeSourceTest, EmptyValuesArePublishedOnlyWhenAllowed)
{
    AttributeSource source;
    AttributePublisher publisher;
    publisher.Publish(source, Attribute("ATTR_NAME_EMPTY", ""));
    EXPECT_FALSE(source.hasAttribute("ATTR_NAME_EMPTY"));
    publisher.Publish(source, Attribute("ATTR_NAME_EMPTY", ""), true);
    EXPECT_TRUE(source.hasAttribute("ATTR_NAME_EMPTY"));
    publisher.Publish(source, Attribute("ATTR_NAME_LIST", AttributeValue::List{}));
    EXPECT_FALSE(source.hasAttribute("ATTR_NAME_LIST"));
}

TEST(AttributeSourceTest, ANameHoldsItsLastValueAndNamesIterateInOrder)
{
    AttributeSource source;
    source.Receive(Attribute("ATTR_NAME_b", 1u));
    source.Receive(Attribute("ATTR_NAME_B", 2u));
    source.Receive(Attribute("ATTR_NAME_A", 3u));
    source.Receive(Attribute("ATTR_NAME_B", "second"));
    EXPECT_EQ(names(source), (std::vector<std::string>{"ATTR_NAME_A", "ATTR_NAME_B", "ATTR_NAME_b"}));
    EXPECT_EQ(source.getValueFor("ATTR_NAME_B"), "second");
    EXPECT_EQ(source.getValueFor("ATTR_NAME_ABSENT"), "");
    EXPECT_EQ(source.getPublicValueFor("ATTR_NAME_A"), AttributeValue(3u));
    AttributeSource copy;
    copy.Receive(Attribute("ATTR_NAME_C", "own"));
    copy.Receive(source);
    EXPECT_EQ(names(copy).size(), 4u);
    copy.Clear("ATTR_NAME_C");
    EXPECT_FALSE(copy.hasAttribute("ATTR_NAME_C"));
}

TEST(AttributeSourceTest, PrivateAttributesHoldAnyValue)
{
    PrivateAttributeSource source;
    source.ReceivePrivateAttribute(PrivateAttribute("buffer", Common::Any(std::string("raw"))));
    EXPECT_TRUE(source.hasPrivateAttribute("buffer"));
    EXPECT_EQ(*source.getPrivateValueFor("buffer").get<std::string>(), "raw");
    EXPECT_TRUE(source.getPrivateValueFor("absent").empty());
    source.ClearPrivateAttribute();
    EXPECT_FALSE(source.hasPrivateAttribute("buffer"));
}

TEST(AttributeSourceTest, CompositeChildrenAreRemovedByIdentity)
{
    AttributeComposite parent("ATTR_NAME_STRUCTURE", "s");
    AttributeCompositePtr a(new AttributeComposite("ATTR_NAME_MEMBER", "a"));
    AttributeCompositePtr b(new AttributeComposite("ATTR_NAME_MEMBER", "a"));
    parent.Receive(a);
    parent.Receive(b);
    parent.clear(b);
    ASSERT_EQ(std::distance(parent.beginChild(), parent.endChild()), 1);
    EXPECT_EQ(*parent.beginChild(), a);
}

TEST(FilterReturnTest, VerdictAndReasonMoveTogether)
{
    FilterReturn verdict;
    EXPECT_TRUE(verdict);
    EXPECT_FALSE(verdict.hasAttribute(ATTR_NAME_UNAVAILABLE_REASON));
    verdict = false;
    EXPECT_FALSE(verdict);
    EXPECT_EQ(verdict.getValueFor(ATTR_NAME_UNAVAILABLE_REASON), ATTR_VALUE_UNAVAILABLE_REASON_UNKNOWN);
    verdict = ATTR_VALUE_UNAVAILABLE_REASON_SSP_NOT_ENABLED;
    EXPECT_EQ(verdict.getValueFor(ATTR_NAME_UNAVAILABLE_REASON), ATTR_VALUE_UNAVAILABLE_REASON_SSP_NOT_ENABLED);
    verdict = true;
    EXPECT_TRUE(verdict);
    EXPECT_FALSE(verdict.hasAttribute(ATTR_NAME_UNAVAILABLE_REASON));
    EXPECT_FALSE(FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_NOT_APPLICABLE));
}

} // namespace

// Names given by characters from a buffer that goes away are kept as their own text, every
// source holds one shared copy of each name, and looking a name up by characters or by string
// finds the same value.
TEST(AttributeSourceTest, NamesAreKeptSharedWhateverTheyWereGivenFrom)
{
    AttributeSource first;
    AttributeSource second;
    {
        std::string passing = "ATTR_NAME_PASSING";
        first.Receive(passing.c_str(), AttributeValue(3u));
        second.Receive(Attribute(Common::string(passing.c_str()), AttributeValue("x")));
        passing.assign(passing.size(), '?');
    }
    EXPECT_EQ(names(first), std::vector<std::string>{"ATTR_NAME_PASSING"});
    EXPECT_EQ(first.beginAttribute()->first.c_str(), second.beginAttribute()->first.c_str());
    EXPECT_EQ(first.getValueFor("ATTR_NAME_PASSING"), first.getValueFor(Common::string("ATTR_NAME_PASSING")));
    EXPECT_EQ(first.getValueFor("ATTR_NAME_PASSING"), "3");

    first.Receive("ATTR_NAME_PASSING", AttributeValue("3"));
    EXPECT_NE(first.findAttribute("ATTR_NAME_PASSING")->get<Common::string>(), nullptr) << "a text replaces a number";
    first.Clear("ATTR_NAME_PASSING");
    first.Clear(static_cast<const char*>(nullptr));
    EXPECT_FALSE(first.hasAttribute("ATTR_NAME_PASSING"));
    EXPECT_FALSE(first.hasAttribute(static_cast<const char*>(nullptr)));
}
