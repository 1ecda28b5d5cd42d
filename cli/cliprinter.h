// CLIPrinter is the writer for the console's normal output. It writes to one
// stream (not owned), can be switched off and on, pads lines to a width and
// prints multi-valued attribute values one element per line. Errors and
// warnings do not pass through it, so a disabled printer never hides them.
// It does not flush: a command's output leaves in large writes, and the
// stream is flushed before every prompt and question and at exit.
#ifndef VNL_CLI_CLIPRINTER_H
#define VNL_CLI_CLIPRINTER_H

#include <functional>
#include <ostream>
#include <string>

class CLIPrinter {
public:
    // Rewrites one element of an attribute value in place before printing.
    using Transform = std::function<void(std::string&)>;

    explicit CLIPrinter(std::ostream* stream);
    CLIPrinter(const CLIPrinter&) = default;
    CLIPrinter& operator=(const CLIPrinter&) = default;
    virtual ~CLIPrinter() = default;

    // Writes `text` padded with blanks to `width` (0: no padding).
    void print(const std::string& text, unsigned width = 0);
    // print() of the text and a newline; the newline counts towards the width.
    void print_ln(const std::string& text, unsigned width = 0);
    void operator()(const std::string& text);

    void disable();
    void enable();

    // Prints each element of a multi-valued attribute value on its own:
    // label + transformed element + suffix, padded to `width`. The caller puts
    // the line end in the suffix. Nothing is printed for an empty value.
    void attr_print(const std::string& value, const std::string& label, const std::string& suffix, unsigned width,
                    const Transform& transform = defaultHelper);

    static void bufferLine(std::string& line, unsigned width);
    static void defaultHelper(std::string& text);

private:
    bool m_enabled = true;
    std::ostream* m_stream = nullptr;
};

#endif
