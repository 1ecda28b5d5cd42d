// The console's own fixed texts, in one place. They are printed exactly as
// written here.
#ifndef VNL_CLI_CLIMESSAGES_H
#define VNL_CLI_CLIMESSAGES_H

namespace CLI_MESSAGES {

inline constexpr const char BANNER[] = "Orvex Varnel CLI ";
inline constexpr const char DETECTING[] = "Detecting Controllers...";
inline constexpr const char DONE[] = "Done.";
inline constexpr const char HELP_HINT[] = "Type \"help\" for a list of supported commands.";
inline constexpr const char EXIT_HINT[] = "Type \"exit\" to close the console.";
inline constexpr const char PROMPT[] = "=> ";

inline constexpr const char NOT_ADMIN[] = "You need to have administrator rights to continue.";
inline constexpr const char ANOTHER_INSTANCE[] =
    "Another instance of VNL is already running (possibly a service). Please terminate "
    "the VNL application before running the VNL CLI. Press ENTER to exit.";
inline constexpr const char LINE_TOO_LONG[] = "The command line is too long.";

inline constexpr const char SYNTAX_ERROR[] = "Syntax error at \"";
inline constexpr const char INVALID_COMMAND[] =
    "Invalid command. Type \"help\" for a list of valid commands.";
inline constexpr const char COMMAND_LINE_ENTERED[] = "Command Line Entered: ";
inline constexpr const char SEE_HELP[] = "  See help for usage.";

inline constexpr const char CLI_VERSION[] = "   VNL CLI Version: ";
inline constexpr const char MORU_VERSION[] = "   MoruAPI Version: ";

} // namespace CLI_MESSAGES

#endif
