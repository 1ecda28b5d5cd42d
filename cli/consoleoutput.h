// ConsoleOutput is the one stream every text of the console goes to. The
// command processor binds it to the stream it was given, for as long as it
// lives; what has no printer of its own (CError::log, the confirmation
// prompt, the answer to "?") writes to it, and the printers are given the
// same stream. Unbound, it is standard output. Tests bind it to a string
// stream and read one capture.
#ifndef VNL_CLI_CONSOLEOUTPUT_H
#define VNL_CLI_CONSOLEOUTPUT_H

#include <ostream>

#include "common/noncopyable.h"

class ConsoleOutput {
public:
    static std::ostream& stream();

    // Binds `stream` while alive and gives the previous one back on
    // destruction, so bindings nest.
    class Binding : Common::NonCopyable {
    public:
        explicit Binding(std::ostream* stream);
        ~Binding();

    private:
        std::ostream* m_previous;
    };
};

#endif
