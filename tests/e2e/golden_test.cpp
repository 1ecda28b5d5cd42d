// Whole outputs of vnlcli compared with transcripts kept in tests/e2e/golden/.
//
// A transcript starts with a header, one directive a line, and ends it with "----":
//   preset NAME          the simulated hardware (a fresh copy for each transcript)
//   profile NAME         instead, the hardware of tests/e2e/profiles/NAME.profile
//   sim ARGS             vnlsim ARGS on that hardware once it is made (a fault, for example)
//   clock SECONDS        the simulated clock stands at SECONDS (VNLSIM_CLOCK), so work the
//                        controller times, such as a transformation, shows the same every run
//   run ARGS             a one-shot run; ARGS split at blanks, "double quotes" keep blanks
//   input LINE           a line typed into the console (a transcript without "run" is a console run)
//   exit N               the expected exit status
//   varies LABEL         lines starting (after their indent) with LABEL are compared only up to it:
//                        their value differs from run to run (a signature taken from the clock)
// Everything after "----" is the exact output. VNL_GOLDEN_UPDATE=1 rewrites the outputs instead of
// comparing them; a rewritten transcript must be read and checked before it is committed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/vnlprocess.h"

namespace {

const std::string SEPARATOR = "----\n";

struct Transcript {
    std::filesystem::path file;
    std::string preset = "server";
    std::string profile;
    std::vector<std::string> simCommands;
    std::string clock;
    std::vector<std::string> args;
    std::string input;
    std::vector<std::string> varying;
    int status = 0;
    std::string output;
};

std::vector<std::string> splitArguments(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

void applyDirective(Transcript& transcript, const std::string& line)
{
    const std::size_t blank = line.find(' ');
    const std::string name = line.substr(0, blank);
    const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (name == "preset")
        transcript.preset = value;
    else if (name == "profile")
        transcript.profile = value;
    else if (name == "sim")
        transcript.simCommands.push_back(value);
    else if (name == "clock")
        transcript.clock = value;
    else if (name == "run")
        transcript.args = splitArguments(value);
    else if (name == "input")
        transcript.input += value + "\n";
    else if (name == "varies")
        transcript.varying.push_back(value);
    else if (name == "exit")
        transcript.status = std::stoi(value);
    else
        ADD_FAILURE() << transcript.file << ": unknown directive " << line;
}

Transcript load(const std::filesystem::path& file)
{
    Transcript transcript;
    transcript.file = file;
    std::ifstream in(file);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    const std::size_t end = text.find(SEPARATOR);
    if (end == std::string::npos) {
        ADD_FAILURE() << file << ": no " << SEPARATOR;
        return transcript;
    }
    std::istringstream header(text.substr(0, end));
    for (std::string line; std::getline(header, line);)
        applyDirective(transcript, line);
    transcript.output = text.substr(end + SEPARATOR.size());
    return transcript;
}

void rewrite(const Transcript& transcript, const Outcome& run)
{
    std::ifstream in(transcript.file);
    std::stringstream whole;
    whole << in.rdbuf();
    std::string header = whole.str().substr(0, whole.str().find(SEPARATOR));
    const std::size_t exitLine = header.find("exit ");
    if (exitLine != std::string::npos)
        header.erase(exitLine, header.find('\n', exitLine) + 1 - exitLine);
    std::ofstream(transcript.file) << header << "exit " << run.status << "\n" << SEPARATOR << run.output;
}

std::vector<std::filesystem::path> transcripts()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VNL_SOURCE_DIR "/tests/e2e/golden"))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The output with the value after each varying label cut off.
std::string withoutVaryingValues(const std::string& output, const std::vector<std::string>& labels)
{
    if (labels.empty())
        return output;
    std::istringstream in(output);
    std::string result;
    for (std::string line; std::getline(in, line);) {
        const std::size_t text = line.find_first_not_of(' ');
        for (const std::string& label : labels)
            if (text != std::string::npos && line.compare(text, label.size(), label) == 0)
                line.resize(text + label.size());
        result += line + "\n";
    }
    return result;
}

class Golden : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(Golden, OutputMatchesTheTranscript)
{
    const Transcript transcript = load(GetParam());
    LockDir dir;
    if (!transcript.clock.empty())
        setenv("VNLSIM_CLOCK", transcript.clock.c_str(), 1);
    if (transcript.profile.empty())
        ASSERT_TRUE(dir.usePreset(transcript.preset)) << transcript.preset;
    else
        ASSERT_TRUE(dir.sim("init --profile " VNL_SOURCE_DIR "/tests/e2e/profiles/" + transcript.profile + ".profile"))
            << transcript.profile;
    for (const std::string& args : transcript.simCommands)
        ASSERT_TRUE(dir.sim(args)) << args;
    const Outcome run = runVnlcli(dir, transcript.args, transcript.input);
    unsetenv("VNLSIM_CLOCK");
    if (std::getenv("VNL_GOLDEN_UPDATE")) {
        rewrite(transcript, run);
        return;
    }
    EXPECT_EQ(withoutVaryingValues(run.output, transcript.varying),
              withoutVaryingValues(transcript.output, transcript.varying));
    EXPECT_EQ(run.status, transcript.status);
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info)
{
    std::string name = info.param.stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Transcripts, Golden, testing::ValuesIn(transcripts()), testName);

} // namespace
