#include "cli/clihelpers.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <unordered_set>

#include "cli/cliformatter.h"
#include "cli/consoleoutput.h"

namespace {

using WordSet = std::unordered_set<std::string>;

// The command grammar's vocabulary.
const WordSet COMMANDS = {"create", "modify", "delete", "add", "remove", "help", "rescan", "show", "target"};

const WordSet FLAGS = {"forced", "reenable", "ssp", "shorthand", "detail", "failpd", "config", "status"};

const WordSet KEYWORDS = {"adapterid",
                          "arrayaccelerator",
                          "cacheratio",
                          "chassisname",
                          "chassisslot",
                          "ctrlpath",
                          "connectionname",
                          "drives",
                          "drivewritecache",
                          "drivetype",
                          "expandpriority",
                          "hostmode",
                          "led",
                          "mask",
                          "preferredpathmode",
                          "raid",
                          "rebuildpriority",
                          "sectors",
                          "size",
                          "spares",
                          "ssp",
                          "stripesize",
                          "surfacescandelay",
                          "type",
                          "redundantcontroller",
                          "number",
                          "unmask",
                          "autoraid",
                          "autospares",
                          "capfile"};

// Short form -> long form, tried in ascending order of the short form.
const std::map<std::string, std::string> SYNONYMS = {{"aa", "arrayaccelerator"},
                                                     {"ai", "adapterid"},
                                                     {"au", "allunassigned"},
                                                     {"ch", "chassisname"},
                                                     {"chs", "chassisslot"},
                                                     {"cn", "connectionname"},
                                                     {"cp", "ctrlpath"},
                                                     {"cr", "cacheratio"},
                                                     {"csn", "chassisserialnumber"},
                                                     {"ctrl", "controller"},
                                                     {"del", "delete"},
                                                     {"dt", "drivetype"},
                                                     {"dwc", "drivewritecache"},
                                                     {"ep", "expandpriority"},
                                                     {"ld", "logicaldrive"},
                                                     {"pd", "physicaldrive"},
                                                     {"ppm", "preferredpathmode"},
                                                     {"ps", "parallelscsi"},
                                                     {"rc", "redundantcontroller"},
                                                     {"rp", "rebuildpriority"},
                                                     {"sbc", "redundantcontroller"},
                                                     {"sn", "serialnumber"},
                                                     {"ss", "stripesize"},
                                                     {"ssd", "surfacescandelay"},
                                                     {"td", "tapedrive"}};

// Parameters whose values keep the user's case.
const WordSet CASE_KEEPING = {"hostmode",  "chassisname",        "mask", "unmask", "connectionname",
                              "adapterid", "chassisserialnumber"};

// Parameters whose values are never read as short forms.
const WordSet NEVER_EXPANDED = {"hostmode", "chassisname", "mask", "unmask", "connectionname", "adapterid"};

// One-shot parameters whose values may hold blanks.
const WordSet QUOTED = {"chassisname", "ch", "connectionname", "cn", "adapterid", "ai", "mask", "unmask"};

// Words that may follow "show" in a read-only line.
const WordSet READ_ONLY_SHOW = {"show", "show status", "show ssp", "show detail", "show config"};

const unsigned VERSION_MAJOR = 7;
const unsigned VERSION_MINOR = 80;
const unsigned VERSION_BUILD = 3;
const unsigned VERSION_REVISION = 0;

bool contains(const WordSet& set, const std::string& word) { return set.count(word) != 0; }

std::string upperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string longForm(const std::string& name)
{
    auto it = SYNONYMS.find(name);
    return it == SYNONYMS.end() ? name : it->second;
}

// The parameter name of a word, lower-cased and without short form.
std::string expandedName(const std::string& word)
{
    return longForm(CLI_HELPERS::lowerCase(CLI_HELPERS::paramName(word)));
}

void foldCase(std::string& word)
{
    std::size_t end = contains(CASE_KEEPING, expandedName(word)) ? word.find('=') : word.size();
    std::string head = word.substr(0, end);
    word.replace(0, head.size(), CLI_HELPERS::lowerCase(head));
}

void expandSynonyms(std::string& word)
{
    for (const auto& [shortForm, fullForm] : SYNONYMS) {
        if (word == shortForm)
            word = fullForm;
        if (word.compare(0, shortForm.size() + 1, shortForm + "=") == 0)
            word.replace(0, shortForm.size(), fullForm);
        std::size_t at = word.find("=" + shortForm);
        bool endsWord = at != std::string::npos && at + 1 + shortForm.size() == word.size();
        if (endsWord && !contains(NEVER_EXPANDED, expandedName(word)))
            word.replace(at + 1, shortForm.size(), fullForm);
    }
}

// True for a word that can never be an array's identifier: a command word or
// a device keyword. It keeps its lower case, so that "array show" and
// "array ld 1" are refused as an array without its identifier rather than
// read as arrays named "SHOW" and "LD".
bool namesNoArray(const std::string& word)
{
    const std::string name = longForm(word);
    return contains(COMMANDS, name) || name == "logicaldrive" || name == "physicaldrive" || name == "tapedrive";
}

// The index of the first command word (words.size() when there is none).
std::size_t firstCommand(const std::vector<std::string>& words)
{
    std::size_t i = 0;
    while (i < words.size() && !CLI_HELPERS::isCommand(words[i]))
        ++i;
    return i;
}

// The position of the last "show" that begins a word, or npos.
std::size_t lastShowWord(const std::string& line)
{
    std::size_t at = line.rfind("show");
    while (at != std::string::npos && at != 0 && line[at - 1] != ' ')
        at = line.rfind("show", at - 1);
    return at;
}

} // namespace

namespace CLI_HELPERS {

std::string VersionString()
{
    return std::to_string(VERSION_MAJOR) + "." + std::to_string(VERSION_MINOR) + "-" + std::to_string(VERSION_BUILD) +
        "." + std::to_string(VERSION_REVISION);
}

bool readLine(std::istream& in, std::string& line)
{
    line.clear();
    bool read = false;
    for (int c = in.get(); c != std::istream::traits_type::eof(); c = in.get()) {
        read = true;
        if (c == '\n')
            break;
        if (line.size() <= MAX_LINE_LENGTH)
            line += static_cast<char>(c);
    }
    return read;
}

std::string paramName(const std::string& word) { return word.substr(0, word.find('=')); }

std::string lowerCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::size_t badNameCharacter(const std::string& name)
{
    static const std::string others = "!@#*_()+\\:./,- ";
    for (std::size_t at = 0; at < name.size(); ++at)
        if (!std::isalnum(static_cast<unsigned char>(name[at])) && others.find(name[at]) == std::string::npos)
            return at;
    return std::string::npos;
}

std::string addQuotes(const std::string& arg)
{
    std::size_t at = arg.find('=');
    if (at == std::string::npos || !contains(QUOTED, lowerCase(arg.substr(0, at))))
        return arg;
    return arg.substr(0, at) + "=\"" + arg.substr(at + 1) + "\"";
}

std::vector<std::string> cli_split(const std::string& text, bool keepQuotes, char separator)
{
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            std::size_t close = text.find('"', i + 1);
            std::size_t end = close == std::string::npos ? text.size() : close;
            if (keepQuotes)
                word += '"';
            word.append(text, i + 1, end - i - 1);
            if (keepQuotes && close != std::string::npos)
                word += '"';
            i = end;
        } else if (c != separator) {
            word += c;
        } else if (i + 1 >= text.size() || text[i + 1] != separator) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::string ReplaceSynonyms(const std::string& line)
{
    std::vector<std::string> words = cli_split(line, true, ' ');
    int arrayPosition = 0;
    for (std::string& word : words) {
        bool counts = lowerCase(word) == "array" || arrayPosition == 1;
        arrayPosition = counts ? arrayPosition + 1 : 0;
        foldCase(word);
        if (arrayPosition == 2 && word != "all" && !namesNoArray(word))
            word = upperCase(word);
        expandSynonyms(word);
    }
    return fuse(words.begin(), words.end(), " ");
}

bool isReadOperation(const std::string& line)
{
    if (line.find("connectionname") != std::string::npos)
        return false;
    if (line.compare(0, 4, "help") == 0)
        return true;
    std::size_t show = lastShowWord(line);
    return show != std::string::npos && contains(READ_ONLY_SHOW, line.substr(show));
}

bool isCommand(const std::string& word) { return contains(COMMANDS, word); }

bool isKeyword(const std::string& word) { return contains(KEYWORDS, word); }

bool isUnsettableKeyword(const std::string& word) { return contains(FLAGS, word); }

bool isWildcard(const std::string& line)
{
    std::vector<std::string> words = cli_split(line, false, ' ');
    words.resize(firstCommand(words));
    for (const std::string& word : words)
        if (word == "all" || word == "allunassigned")
            return true;
    return false;
}

std::string popValue(ParamList& params, const std::string& name, const std::string& fallback)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        if (it->first == name) {
            std::string value = it->second;
            params.erase(it);
            return value;
        }
    }
    return fallback;
}

bool popUnsettable(ParamList& params, const std::string& name)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        if (it->first == name) {
            params.erase(it);
            return true;
        }
    }
    return false;
}

bool userResponse(const std::string& prompt)
{
    std::ostream& out = ConsoleOutput::stream();
    out << '\n' << CFormatter::format(prompt, "Warning: ", 79);
    out.flush();
    std::string answer;
    readLine(std::cin, answer);
    out << '\n';
    out.flush();
    return answer == "y" || answer == "Y";
}

} // namespace CLI_HELPERS

std::string driveName(const std::vector<std::string>& parts)
{
    return CLI_HELPERS::fuse(parts.begin(), parts.end(), ":");
}
