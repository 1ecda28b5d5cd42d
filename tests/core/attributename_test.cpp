#include "core/attributename.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// A name is known by its text, whatever buffer it comes from: a name that
// comes at an address another name used before still gets its own copy, and
// the same text always gets the same shared copy.
TEST(AttributeName, EachNameGetsItsOwnCopyFromAnyBuffer)
{
    std::string name = "ATTR_NAME_PORT";
    const Common::string& port = Core::attributeName(name);
    EXPECT_EQ(port, "ATTR_NAME_PORT");
    name = "ATTR_NAME_BAY0";
    EXPECT_EQ(Core::attributeName(name), "ATTR_NAME_BAY0");
    EXPECT_EQ(Core::attributeName(std::string_view(name).substr(0, 9)), "ATTR_NAME");
    EXPECT_EQ(&Core::attributeName(std::string("ATTR_NAME_PORT")), &port);
    EXPECT_EQ(&Core::attributeName("ATTR_NAME_PORT"), &port);
}
