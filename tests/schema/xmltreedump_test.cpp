#include "schema/xmltreedump.h"

#include <gtest/gtest.h>

#include "tests/schema/testchannels.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "core/deviceassociation.h"
#include "schema/morumod.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace {

namespace Facts = Interface::StorageMod;

class TreeDump : public ::testing::Test {
protected:
    void SetUp() override
    {
        root->receive(controller);
        controller->receive(array);
        controller->receive(drive);
        Core::DeviceAssociationPtr dataDrives(new Core::DeviceAssociation(Facts::ASSOCIATION_DATA_DRIVE));
        dataDrives->receive(drive);
        array->receive(dataDrives);
        drive->ReceivePrivateAttribute(Core::PrivateAttribute("IDENTIFY_PHYSICAL_DRIVE", Common::Any(7u)));
    }

    std::string dump()
    {
        std::ostringstream out;
        Schema::WriteTreeXML(*root, out);
        return out.str();
    }

    Core::DevicePtr root = Schema::ModRoot::create();
    Core::DevicePtr controller{new Schema::ArrayController("slot_1", testChannel())};
    Core::DevicePtr array{new Schema::Array(0, {}, Schema::Array::DriveSet(1), {}, {}, {})};
    Core::DevicePtr drive{new Schema::PhysicalDrive(0, Facts::ATTR_VALUE_DRIVE_TYPE_DATA)};
};

TEST_F(TreeDump, NestsEveryDeviceWithItsFactsInTreeOrder)
{
    const std::string root_id = root->toString().c_str();
    const std::string expected = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                 "<tree module=\"MORUMod\">\n"
                                 "  <device id=\"" +
        root_id +
        "\" type=\"ATTR_VALUE_TYPE_MOD_ROOT\">\n"
        "    <attribute name=\"ATTR_NAME_TYPE\" value=\"ATTR_VALUE_TYPE_MOD_ROOT\"/>\n"
        "    <attribute name=\"ATTR_NAME_UNIQUE_ID\" value=\"" +
        root_id +
        "\"/>\n"
        "    <device id=\"AC:slot_1\" type=\"ATTR_VALUE_TYPE_ARRAY_CONTROLLER\">\n"
        "      <attribute name=\"ATTR_NAME_TYPE\" value=\"ATTR_VALUE_TYPE_ARRAY_CONTROLLER\"/>\n"
        "      <attribute name=\"ATTR_NAME_UNIQUE_ID\" value=\"AC:slot_1\"/>\n"
        "      <device id=\"AC:slot_1,A:0\" type=\"ATTR_VALUE_TYPE_ARRAY\">\n"
        "        <attribute name=\"ATTR_NAME_ARRAY_NUMBER\" value=\"0\"/>\n"
        "        <attribute name=\"ATTR_NAME_TYPE\" value=\"ATTR_VALUE_TYPE_ARRAY\"/>\n"
        "        <attribute name=\"ATTR_NAME_UNIQUE_ID\" value=\"AC:slot_1,A:0\"/>\n"
        "        <association name=\"ASSOCIATION_DATA_DRIVE\">\n"
        "          <member id=\"AC:slot_1,PD:0\"/>\n"
        "        </association>\n"
        "      </device>\n"
        "      <device id=\"AC:slot_1,PD:0\" type=\"ATTR_VALUE_TYPE_PHYSICAL_DRIVE\">\n"
        "        <attribute name=\"ATTR_NAME_DEVICE_NUMBER\" value=\"0\"/>\n"
        "        <attribute name=\"ATTR_NAME_DRIVE_TYPE\" value=\"ATTR_VALUE_DRIVE_TYPE_DATA\"/>\n"
        "        <attribute name=\"ATTR_NAME_TYPE\" value=\"ATTR_VALUE_TYPE_PHYSICAL_DRIVE\"/>\n"
        "        <attribute name=\"ATTR_NAME_UNIQUE_ID\" value=\"AC:slot_1,PD:0\"/>\n"
        "        <private name=\"IDENTIFY_PHYSICAL_DRIVE\"/>\n"
        "      </device>\n"
        "    </device>\n"
        "  </device>\n"
        "</tree>\n";
    EXPECT_EQ(dump(), expected);
}

// Whatever bytes a controller reports, the document stays well-formed XML.
TEST_F(TreeDump, WritesAnyReportedBytesAsWellFormedText)
{
    const char raw[] = {'<', 'a', '&', '"', '\'', '>', '\t', '\n', '\x01', '\x1f', '\x7f', '\x9b', '\xe9', 0};
    drive->Receive(Core::Attribute(Facts::PhysicalDrive::ATTR_NAME_DRIVE_MODEL, raw));
    const std::string text = dump();
    EXPECT_NE(text.find("value=\"&lt;a&amp;&quot;&apos;&gt;&#9;&#10;&#x2401;&#x241F;&#x7F;&#x9B;\xe9\""),
              std::string::npos)
        << text;
}

TEST_F(TreeDump, DebugSwitchWritesTheTreeAfterEveryRescan)
{
    char directory[] = "/tmp/vnl-xmltreedump-XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(directory), 0);

    Interface::MORUMod::InitializeModule(true, false);
    EXPECT_TRUE(Interface::MORUMod::debugXMLFileEnabled());
    controller->Refresh();
    Interface::MORUMod::InitializeModule(false, false);

    std::ifstream file("MORUMod.xml");
    std::stringstream written;
    written << file.rdbuf();
    EXPECT_EQ(written.str(), dump());
    std::remove("MORUMod.xml");
    ASSERT_EQ(chdir(previous), 0);
    rmdir(directory);
}

TEST_F(TreeDump, ReportsAFileItCannotWrite)
{
    EXPECT_FALSE(Schema::WriteTreeXMLFile(*root, "/nonexistent-directory/tree.xml"));
}

} // namespace
