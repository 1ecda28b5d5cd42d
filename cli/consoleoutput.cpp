#include "cli/consoleoutput.h"

#include <iostream>

namespace {

std::ostream* sStream = &std::cout;

} // namespace

std::ostream& ConsoleOutput::stream() { return *sStream; }

ConsoleOutput::Binding::Binding(std::ostream* stream) : m_previous(sStream) { sStream = stream; }

ConsoleOutput::Binding::~Binding() { sStream = m_previous; }
