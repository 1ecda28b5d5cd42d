// Test helper: while alive, std::cout is collected and std::cin reads from
// the given text.
#ifndef VNL_TESTS_CLI_CONSOLECAPTURE_H
#define VNL_TESTS_CLI_CONSOLECAPTURE_H

#include <iostream>
#include <sstream>

class ConsoleCapture {
public:
    explicit ConsoleCapture(const std::string& input = "")
        : m_input(input), m_out(std::cout.rdbuf(m_output.rdbuf())), m_in(std::cin.rdbuf(m_input.rdbuf()))
    {
    }
    ~ConsoleCapture()
    {
        std::cout.rdbuf(m_out);
        std::cin.rdbuf(m_in);
        std::cin.clear();
    }
    std::string output() const { return m_output.str(); }

private:
    std::ostringstream m_output;
    std::istringstream m_input;
    std::streambuf* m_out;
    std::streambuf* m_in;
};

#endif
