#include "controller/imgrimport.h"

#include "tests/controller/fakeimgr.h"

namespace {

using ImgrImportTest = FakeImgr::Test;

const std::vector<std::string> kLookupOrder{
    "InfoMgrInitStatus",     "InfoMgrOpenObject",    "InfoMgrCloseObject",   "InfoMgrEnumObject",
    "InfoMgrGetObjectInfo",  "InfoMgrSetObjectInfo", "InfoMgrControlObject", "InfoMgrUnregisterObject",
    "InfoMgrRegisterObject", "InfoMgrLockObject",    "InfoMgrUnlockObject",
};

TEST_F(ImgrImportTest, MissingLibraryIsReportedByEveryCallWithoutCrashing)
{
    fake().libraryPresent = false;
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_NO_LIBRARY);
    ImgrHandle handle = 0;
    std::uint32_t length = 0;
    EXPECT_EQ(ImgrImport::InfoMgrOpenObject(0, IMGR_OBJECT_ARRAY_CONTROLLERS, &handle, 0, 0),
              IMGR_STATUS_NO_ENTRY_POINT);
    EXPECT_EQ(ImgrImport::InfoMgrControlObject(1, IMGR_CONTROL_BMIC, 1, nullptr, &length, 0, 0),
              IMGR_STATUS_NO_ENTRY_POINT);
    EXPECT_TRUE(fake().lookups.empty());
}

TEST_F(ImgrImportTest, EntryPointsAreLookedUpOnceInTheirOrder)
{
    fake().initStatus = 7;
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), 7u);
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), 7u);
    EXPECT_EQ(fake().lookups, kLookupOrder);
}

TEST_F(ImgrImportTest, LookupStopsAtTheFirstMissingEntryAndOnlyLaterCallsFail)
{
    fake().missingSymbols = {"InfoMgrGetObjectInfo"};
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_OK);
    const std::vector<std::string> upToMiss(kLookupOrder.begin(), kLookupOrder.begin() + 5);
    EXPECT_EQ(fake().lookups, upToMiss);

    ImgrHandle handle = 0;
    EXPECT_EQ(ImgrImport::InfoMgrOpenObject(0, IMGR_OBJECT_ARRAY_CONTROLLERS, &handle, 0, 0), IMGR_STATUS_OK);
    std::uint32_t length = 0;
    EXPECT_EQ(ImgrImport::InfoMgrGetObjectInfo(handle, 1, 0, nullptr, &length), IMGR_STATUS_NO_ENTRY_POINT);
    EXPECT_EQ(ImgrImport::InfoMgrControlObject(handle, IMGR_CONTROL_BMIC, 1, nullptr, &length, 0, 0),
              IMGR_STATUS_NO_ENTRY_POINT);
    EXPECT_TRUE(fake().calls.empty());

    // A later initialisation binds the rest once the entry is there.
    fake().missingSymbols.clear();
    fake().lookups.clear();
    ImgrImport::InfoMgrInitStatus();
    const std::vector<std::string> rest(kLookupOrder.begin() + 4, kLookupOrder.end());
    EXPECT_EQ(fake().lookups, rest);
}

TEST_F(ImgrImportTest, MissingFirstEntryCountsAsMissingLibrary)
{
    fake().missingSymbols = {"InfoMgrInitStatus"};
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_NO_LIBRARY);
}

TEST_F(ImgrImportTest, CallsWithoutInitialisationStillBindAndForwardArguments)
{
    ImgrBmicRecord record{};
    record.bCommand = 0x11;
    std::uint32_t length = sizeof(record);
    EXPECT_EQ(ImgrImport::InfoMgrControlObject(42, IMGR_CONTROL_BMIC, 2, &record, &length, 0, 0), IMGR_STATUS_OK);
    ASSERT_EQ(fake().calls.size(), 1u);
    EXPECT_EQ(fake().calls[0].handle, 42u);
    EXPECT_EQ(fake().calls[0].direction, 2u);
    EXPECT_EQ(fake().calls[0].as<ImgrBmicRecord>().bCommand, 0x11);
}

} // namespace

namespace {

TEST(ImgrImportDefault, RealLoaderReportsAMissingOrForeignLibrary)
{
    ImgrImport::SetLoader(ImgrImport::LibraryLoader("/nonexistent/libzqvimgr.so"));
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_NO_LIBRARY);
    ImgrHandle handle = 0;
    EXPECT_EQ(ImgrImport::InfoMgrOpenObject(0, IMGR_OBJECT_HOST_BUS_ADAPTERS, &handle, 0, 0),
              IMGR_STATUS_NO_ENTRY_POINT);

    ImgrImport::SetLoader(ImgrImport::LibraryLoader("libc.so.6")); // there, but not ours
    EXPECT_EQ(ImgrImport::InfoMgrInitStatus(), IMGR_STATUS_NO_LIBRARY);
    ImgrImport::SetLoader(nullptr);
}

} // namespace
