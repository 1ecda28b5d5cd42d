// vnlsim: the control tool of the simulated controllers. It creates a state
// from a preset or profile, shows it, and injects and clears faults.
#include "sim/faultcommands.h"
#include "sim/presets.h"
#include "sim/simclock.h"
#include "sim/statestore.h"
#include "sim/worldreport.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace Sim;

void usage()
{
    std::printf("usage: vnlsim COMMAND [ARGUMENTS]\n\n"
                "  init [--preset NAME | --profile FILE]     make a fresh state (default preset: %s)\n"
                "  show                                      the hardware and stored configuration\n"
                "  presets                                   the names of the built-in presets\n"
                "  where                                     the state directory in use\n",
                std::string(kDefaultPreset).c_str());
    for (const FaultCommand& f : faultCommands())
        std::printf("  %-16s %-27s %s\n", std::string(f.name).c_str(), std::string(f.usage).c_str(),
                    std::string(f.summary).c_str());
    std::printf("\nThe state directory is $VNLSIM_STATE, or %s when it is unset.\n", StateStore::kDefaultDirectory);
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "vnlsim: %s\n", message.c_str());
    return 1;
}

bool profileText(const std::vector<std::string>& args, std::string& text, std::string& error)
{
    std::string preset(kDefaultPreset);
    if (args.size() == 4 && args[2] == "--profile") {
        std::ifstream in(args[3]);
        std::stringstream ss;
        ss << in.rdbuf();
        text = ss.str();
        if (!in)
            error = "cannot read " + args[3];
        return static_cast<bool>(in);
    }
    if (args.size() == 4 && args[2] == "--preset")
        preset = args[3];
    else if (args.size() != 2) {
        error = "usage: vnlsim init [--preset NAME | --profile FILE]";
        return false;
    }
    auto found = presetText(preset);
    if (!found)
        error = "no preset named " + preset;
    else
        text = std::string(*found);
    return found.has_value();
}

int init(StateStore& store, const std::vector<std::string>& args)
{
    std::string text, error;
    if (!profileText(args, text, error) || !store.reset(text, error))
        return fail(error);
    std::printf("State in %s is new.\n", store.directory().c_str());
    return 0;
}

int show(StateStore& store)
{
    std::string error;
    if (!store.ensure(std::string(*presetText(kDefaultPreset)), error))
        return fail(error);
    const World* world = store.current(error);
    if (!world)
        return fail(error);
    std::printf("State directory %s\n%s", store.directory().c_str(),
                worldReport(*world, store.imageDirectory(), simNow()).c_str());
    return 0;
}

int fault(StateStore& store, const std::vector<std::string>& args)
{
    std::string error, why;
    if (!store.ensure(std::string(*presetText(kDefaultPreset)), error))
        return fail(error);
    std::vector<std::string> words(args.begin() + 1, args.end());
    bool ok = true;
    bool stored = store.update([&](World& world) { return ok = applyFault(world, words, simNow(), why); }, error);
    if (!ok)
        return fail(why);
    return stored ? 0 : fail(error);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv, argv + argc);
    if (args.size() < 2 || args[1] == "help" || args[1] == "--help") {
        usage();
        return args.size() < 2 ? 1 : 0;
    }
    StateStore store(StateStore::configuredDirectory());
    const std::string& command = args[1];
    if (command == "init")
        return init(store, args);
    if (command == "show")
        return show(store);
    if (command == "where")
        return std::printf("%s\n", store.directory().c_str()) < 0;
    if (command == "presets") {
        for (std::string_view name : presetNames())
            std::printf("%s\n", std::string(name).c_str());
        return 0;
    }
    return fault(store, args);
}
