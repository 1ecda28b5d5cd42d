// Test helpers: while a ConsoleInput is alive std::cin reads from the given
// text; while a ConsoleCapture is alive, everything the console writes to its
// one output (ConsoleOutput: errors, prompts, "?" answers) is collected too.
// A command processor binds that output to its own stream, so tests of the
// processor read that stream and need only ConsoleInput.
#ifndef VNL_TESTS_CLI_CONSOLECAPTURE_H
#define VNL_TESTS_CLI_CONSOLECAPTURE_H

#include <iostream>
#include <sstream>

#include "cli/consoleoutput.h"

class ConsoleInput {
public:
    explicit ConsoleInput(const std::string& input) : m_input(input), m_in(std::cin.rdbuf(m_input.rdbuf())) {}
    ~ConsoleInput()
    {
        std::cin.rdbuf(m_in);
        std::cin.clear();
    }

private:
    std::istringstream m_input;
    std::streambuf* m_in;
};

class ConsoleCapture {
public:
    explicit ConsoleCapture(const std::string& input = "") : m_input(input), m_binding(&m_output) {}
    std::string output() const { return m_output.str(); }

private:
    std::ostringstream m_output;
    ConsoleInput m_input;
    ConsoleOutput::Binding m_binding;
};

#endif
