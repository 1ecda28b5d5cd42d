#include "cli/attributekey.h"

#include <gtest/gtest.h>

#include <string>

// Keys are found again by the address a name was given at; a name that
// comes at an address another name used before still gets its own key.
TEST(AttributeKey, EachNameGetsItsOwnKeyAtAnyAddress)
{
    std::string name = "ATTR_NAME_PORT";
    const Common::string& port = attributeKey(name);
    EXPECT_EQ(port, "ATTR_NAME_PORT");
    name = "ATTR_NAME_BAY0";
    EXPECT_EQ(attributeKey(name), "ATTR_NAME_BAY0");
    EXPECT_EQ(&attributeKey(std::string("ATTR_NAME_PORT")), &port);
    EXPECT_EQ(&attributeKey("ATTR_NAME_PORT"), &port);
}
