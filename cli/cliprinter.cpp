#include "cli/cliprinter.h"

#include "common/compoundlist.h"

CLIPrinter::CLIPrinter(std::ostream* stream) : m_stream(stream) {}

void CLIPrinter::print(const std::string& text, unsigned width)
{
    if (!m_enabled || m_stream == nullptr)
        return;
    if (!text.empty())
        m_stream->write(text.data(), static_cast<std::streamsize>(text.size()));
    for (std::size_t padding = text.size(); padding < width; ++padding)
        m_stream->put(' ');
}

void CLIPrinter::print_ln(const std::string& text, unsigned width) { print(text + "\n", width); }

void CLIPrinter::operator()(const std::string& text) { print(text, 0); }

void CLIPrinter::disable() { m_enabled = false; }

void CLIPrinter::enable() { m_enabled = true; }

void CLIPrinter::attr_print(const std::string& value, const std::string& label, const std::string& suffix,
                            unsigned width, const Transform& transform)
{
    if (value.empty() || !m_enabled)
        return;
    // Every element is printed, repeated ones included.
    Common::CompoundList elements(Common::fromStdString(value), true);
    for (const Common::string& element : elements) {
        std::string text = Common::toStdString(element);
        if (transform)
            transform(text);
        print(label + text + suffix, width);
    }
}

void CLIPrinter::bufferLine(std::string& line, unsigned width)
{
    if (line.size() < width)
        line.append(width - line.size(), ' ');
}

void CLIPrinter::defaultHelper(std::string&) {}
