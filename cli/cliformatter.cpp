#include "cli/cliformatter.h"

#include <algorithm>

namespace {

bool isBreak(char c) { return c == ' ' || c == '\n'; }

std::size_t wordStart(const std::string& text, std::size_t position)
{
    while (position > 0 && !isBreak(text[position - 1]))
        --position;
    return position;
}

std::size_t wordEnd(const std::string& text, std::size_t position)
{
    while (position < text.size() && !isBreak(text[position]))
        ++position;
    return position;
}

// Builds the wrapped text one output line at a time.
class Wrapper {
public:
    Wrapper(const std::string& text, const std::string& prefix, unsigned width)
        : m_text(text), m_indent(prefix.size(), ' '), m_width(width), m_line(prefix)
    {
    }

    std::string run()
    {
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            if (i != 0 && m_text[i] != '\n' && full())
                i = wrapAt(i);
            if (i >= m_text.size())
                break;
            if (m_text[i] == '\n')
                newLine();
            else if (!(m_text[i] == ' ' && full()))
                m_line += m_text[i];
        }
        return m_out + m_line;
    }

private:
    bool full() const { return m_width != 0 && !m_line.empty() && m_line.size() % m_width == 0; }

    void newLine()
    {
        m_out += m_line;
        m_out += '\n';
        m_line = m_indent;
    }

    // Handles a full line at text position i; returns the position whose
    // character is to be appended next (the text size when none is left).
    std::size_t wrapAt(std::size_t i)
    {
        bool here = m_text[i] != ' ';
        bool before = m_text[i - 1] != ' ';
        if (here && !before) {
            newLine();
            return i;
        }
        if (!here || !before)
            return i;
        std::size_t start = wordStart(m_text, i);
        std::size_t end = wordEnd(m_text, i);
        if (end - start + m_indent.size() > m_width) {
            newLine();
            return i;
        }
        m_line.resize(m_line.size() - std::min(m_line.size(), i - start));
        if (!m_line.empty() && m_line.back() == ' ')
            m_line.pop_back();
        newLine();
        m_line += m_text.substr(start, end - start);
        return end;
    }

    const std::string& m_text;
    const std::string m_indent;
    const unsigned m_width;
    std::string m_line;
    std::string m_out;
};

} // namespace

std::string CFormatter::format(const std::string& text, const std::string& prefix, unsigned width)
{
    return Wrapper(text, prefix, width).run();
}
