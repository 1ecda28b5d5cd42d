// CError is the console's error reporter. Every error the user sees is
// written by CError::log to the console's one output (ConsoleOutput), and
// the last code it was given becomes the process exit status. The code, and
// the message of the first error reported, stay set until reset().
#ifndef VNL_CLI_CLIERROR_H
#define VNL_CLI_CLIERROR_H

#include <cstdint>
#include <string>

class CError {
public:
    // Writes a newline, "Error: " and the message wrapped at 79 columns, a
    // newline, then the detail and a newline (or a second newline when the
    // detail is empty). Sets the error code to `code`.
    static void log(const std::string& message, const std::string& detail, int32_t code);
    static void reset();
    // Sets the error code without a message, for a refusal that has been
    // explained otherwise (the firmware notice).
    static void setErrorCode(int32_t code);
    static int32_t errorCode();
    static bool isOK();
    // The message of the first error logged since reset(); "" when none.
    static const std::string& firstMessage();

private:
    static int32_t m_nErrorCode;
    static std::string m_firstMessage;
};

#endif
