#include "core/operationregistration.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

inline constexpr char TYPE[] = "ATTR_VALUE_TYPE_REGISTRATION_TEST";
using Registered = TestDevice<TYPE, Device>;

int count(const DeviceOperationList& operations, const char* name)
{
    int found = 0;
    for (const DeviceOperationPtr& op : operations)
        found += op->name() == name ? 1 : 0;
    return found;
}

TEST(OperationRegistrationTest, RepeatedRegistrationsChangeNothing)
{
    DeviceOperationList* list = Registered::DeviceOperationListPtr();
    EXPECT_TRUE(RegisterSchema(TYPE, list));
    EXPECT_TRUE(RegisterSchema(TYPE, list));
    EXPECT_TRUE(RegisterOperation(TYPE, new DeviceOperationCreator<ReadDrive>()));
    EXPECT_TRUE(RegisterOperation(TYPE, new DeviceOperationCreator<ReadDrive>()));
    EXPECT_FALSE(RegisterSchemaOperationDependency(TYPE, READ_DRIVE));
    EXPECT_TRUE(Device::RegisterOperation(TYPE, READ_DRIVE));
    EXPECT_TRUE(Device::RegisterOperation(TYPE, READ_DRIVE));
    EXPECT_EQ(count(*list, READ_DRIVE), 1);
    ASSERT_TRUE(createOperation(READ_DRIVE));
    EXPECT_NE(createOperation(READ_DRIVE), createOperation(READ_DRIVE));
}

TEST(OperationRegistrationTest, UndeclaredPairsUnknownTypesAndLongNamesAreRefused)
{
    EXPECT_FALSE(Device::RegisterOperation(TYPE, WRITE_BLINK));
    EXPECT_FALSE(Device::RegisterOperation("ATTR_VALUE_TYPE_NEVER_REGISTERED", READ_DRIVE));
    EXPECT_TRUE(RegisterSchemaOperationDependency("ATTR_VALUE_TYPE_WITHOUT_LIST", READ_DRIVE));
    EXPECT_FALSE(Device::RegisterOperation("ATTR_VALUE_TYPE_WITHOUT_LIST", READ_DRIVE));
    EXPECT_FALSE(RegisterSchema("ATTR_VALUE_TYPE_NULL_LIST", nullptr));
    const std::string longName(MAX_REGISTERED_NAME_LENGTH + 1, 'X');
    EXPECT_FALSE(RegisterSchemaOperationDependency(longName.c_str(), READ_DRIVE));
    EXPECT_FALSE(RegisterOperation(longName.c_str(), new DeviceOperationCreator<ReadDrive>()));
    EXPECT_FALSE(RegisterOperation(TYPE, nullptr));
    EXPECT_FALSE(createOperation("OPERATION_NEVER_REGISTERED"));
}

} // namespace
} // namespace CoreTest
