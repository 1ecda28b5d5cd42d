// Device trees built by the real discovery from the simulated controllers, for the operation
// tests. Each tree gets its own simulator state directory, made fresh from a preset (or from a
// profile text), and its own root, so trees of several presets live side by side in one test
// process; the directories go when the test program ends. The registration of operations is
// process-wide and done once.
#ifndef TESTS_OPERATIONS_SIMTREE_H
#define TESTS_OPERATIONS_SIMTREE_H

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/devicefinder.h"
#include "operations/drxcommon.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/morumod.h"
#include "schema/schemamodroot.h"

namespace SimTree {

// The state directories made so far, removed with everything in them at exit.
struct MadeDirectories {
    ~MadeDirectories()
    {
        for (const std::string& dir : paths)
            std::filesystem::remove_all(dir);
    }
    std::vector<std::string> paths;
};

// A fresh simulator state directory; with `preset` empty, `profile` is the hardware text.
inline std::string makeState(const std::string& preset, const std::string& profile = std::string())
{
    static MadeDirectories made;
    char pattern[] = "/tmp/vnl-simtree-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    made.paths.push_back(dir);
    std::string source = "--preset " + preset;
    if (preset.empty()) {
        std::ofstream(dir + "/hardware.profile") << profile;
        source = "--profile " + dir + "/hardware.profile";
    }
    const std::string command = "VNLSIM_STATE=" + dir + "/state " + VNLSIM_TOOL + " init " + source + " >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return dir + "/state";
}

// Points the library at `state` and rescans `root` completely.
inline Core::OperationReturnList rescan(const Core::DevicePtr& root, const std::string& state)
{
    setenv("VNLSIM_STATE", state.c_str(), 1);
    return root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root));
}

// A new root with the supported models enabled, after its first full rescan of `state`.
inline Core::DevicePtr build(const std::string& state)
{
    DRXCommon::RegisterOperations();
    Core::DevicePtr root = Schema::ModRoot::create();
    DRXCommon::MaskControllers(root);
    rescan(root, state);
    return root;
}

// The devices of a type (of every type when `type` is empty) at or below `from`, in tree order.
inline Core::DeviceList devicesOf(const Core::DevicePtr& from, const char* type)
{
    Core::DeviceFinder finder(from);
    if (*type != '\0')
        finder.Add(Core::Attribute(Interface::MORUMod::ATTR_NAME_TYPE, type));
    Core::DeviceList found;
    finder.find(found, Core::DeviceFinder::DIRECTION_DOWN);
    return found;
}

// The unique identifiers of the devices an association of `device` links to.
inline std::string associated(const Core::DevicePtr& device, const char* association)
{
    std::string text;
    const Core::DeviceAssociationPtr links = device->getAssociation(association);
    if (!links)
        return text;
    for (auto linked = links->beginDevice(); linked != links->endDevice(); ++linked)
        text += std::string(text.empty() ? "" : " ") + (*linked)->toString().c_str();
    return text;
}

} // namespace SimTree

#endif
