#include "cli/ops/sspop.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/clierror.h"
#include "cli/consoleoutput.h"
#include "tests/cli/showtree.h"

using namespace ShowTree;

namespace {

const std::string WEB_A = "5A0E0D0000010001  "; // kept with trailing blanks, as the model may
const std::string ALL_B = "5A0E0D0000010002 ";
const std::string WEB_C = "5A0E0D0000020001";

// A storage system with three adapters: two share the connection name "web",
// one is called "all".
class SspOpTest : public ::testing::Test {
protected:
    void SetUp() override { CError::reset(); }
    void TearDown() override { CError::reset(); }

    // The adapters a mask list selects, and everything printed meanwhile.
    std::vector<std::string> masked(const std::string& list, bool& found)
    {
        const ConsoleOutput::Binding binding(&out);
        CSSPOp ssp(list, "", &out);
        std::vector<std::string> ids;
        found = ssp.selectedAdapterIDList(system, true, ids);
        return ids;
    }

    DevicePtr root = CoreTest::Root::make();
    DevicePtr system = add<SystemDevice>(root, "box", {});
    DevicePtr webA =
        add<InitiatorDevice>(system, "a", {{ATTR_NAME_INITIATOR_ID, WEB_A}, {ATTR_NAME_CONNECTION_NAME, "web"}});
    DevicePtr calledAll =
        add<InitiatorDevice>(system, "b", {{ATTR_NAME_INITIATOR_ID, ALL_B}, {ATTR_NAME_CONNECTION_NAME, "all"}});
    DevicePtr webC =
        add<InitiatorDevice>(system, "c", {{ATTR_NAME_INITIATOR_ID, WEB_C}, {ATTR_NAME_CONNECTION_NAME, "web"}});
    std::ostringstream out;
};

TEST_F(SspOpTest, AdaptersAreNamedByIdWithoutPaddingOrByEveryAdapterOfAConnectionName)
{
    bool found = false;
    EXPECT_EQ(masked("5A0E0D0000010001,web", found), (std::vector<std::string>{WEB_A, WEB_A, WEB_C}));
    EXPECT_TRUE(found);
    EXPECT_EQ(masked("none", found), std::vector<std::string>{});
    EXPECT_EQ(out.str(), "");
    // Neither a shortened id nor an unknown name is guessed at.
    masked("5A0E0D00000100,web", found);
    EXPECT_FALSE(found);
    EXPECT_EQ(out.str(),
              "\nError: The adapterid 5A0E0D00000100 was not found. SSP operation was not\n"
              "       performed.\n\n");
}

TEST_F(SspOpTest, AKeywordThatIsAlsoAConnectionNameStandsForTheName)
{
    bool found = false;
    EXPECT_EQ(masked("all", found), std::vector<std::string>{ALL_B});
    EXPECT_TRUE(found);
    EXPECT_EQ(out.str(),
              "\nWarning: \"all\" has been detected as an existing connection name. The adapter\n"
              "         id(s) that map to this connection name will be targeted. If you would \n"
              "         like to use the specified value in a keyword context, please rename\n"
              "         all connection names with the same name as the keyword to a value not \n"
              "         used by SSP operations.\n\n");
    set(calledAll, {{ATTR_NAME_CONNECTION_NAME, "b"}});
    out.str("");
    EXPECT_EQ(masked("all", found), (std::vector<std::string>{WEB_A, ALL_B, WEB_C}));
    EXPECT_EQ(out.str(), "");
}

} // namespace
