#include "common/clog.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>

#include "common/containers.h"
#include "common/globalstaticallocator.h"

namespace Common {

namespace {

struct LoggerState {
    list<shared_ptr<OutputStream>> streams;
    bool paused = false;
};

LoggerState& State()
{
    static LoggerState* state = new LoggerState; // lives until the process ends
    return *state;
}

// Set while this thread hands a message to the streams.
thread_local bool t_writing = false;

// Whether a message now would reach a stream (so that nothing is formatted for none).
bool Listening()
{
    const LoggerState& state = State();
    return !state.paused && !state.streams.empty() && !t_writing;
}

string CurrentTimeText()
{
    char text[64] = {};
    const std::time_t now = std::time(nullptr);
    if (ctime_r(&now, text) == nullptr)
        return string();
    string result(text);
    return result.substr(0, result.find('\n'));
}

string HexDumpRow(const unsigned char* row, std::size_t count, std::size_t offset)
{
    char cell[32];
    std::snprintf(cell, sizeof cell, " %03zX  ", offset);
    string line(cell);
    for (std::size_t i = 0; i < 16; ++i) {
        if (i < count)
            std::snprintf(cell, sizeof cell, "%02X ", row[i]);
        else
            std::snprintf(cell, sizeof cell, "   ");
        line += cell;
    }
    for (std::size_t i = 0; i < count; ++i)
        line += (row[i] >= 0x20 && row[i] < 0x7F) ? static_cast<char>(row[i]) : '.';
    return line;
}

} // namespace

void Logger::Log(const char* format, ...)
{
    if (!Listening())
        return;
    char buffer[MESSAGE_BUFFER_SIZE] = {};
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    LogMessage(buffer);
}

void Logger::LogMessage(const string& text)
{
    if (!Listening())
        return;
    t_writing = true;
    const string line = "[" + CurrentTimeText() + "] " + text + "\r\n";
    for (const shared_ptr<OutputStream>& stream : State().streams)
        stream->Accept(line.c_str(), line.size());
    t_writing = false;
}

void Logger::LogDataBuffer(const unsigned char* bytes, std::size_t length)
{
    if (!Listening())
        return;
    LogMessage("      00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 0123456789ABCDEF\n");
    LogMessage((std::string(6, ' ') + std::string(64, '-') + "\n").c_str());
    if (bytes == nullptr)
        return;
    for (std::size_t offset = 0; offset < length; offset += 16) {
        const std::size_t count = length - offset < 16 ? length - offset : 16;
        LogMessage(HexDumpRow(bytes + offset, count, offset));
        LogMessage("\n");
    }
}

void Logger::RegisterOutputStream(const shared_ptr<OutputStream>& stream)
{
    if (stream)
        State().streams.push_back(stream);
}

void Logger::UnRegisterAllOutputStreams() { State().streams.clear(); }

void Logger::Pause() { State().paused = true; }

void Logger::Resume() { State().paused = false; }

void LogTotalHeapMemory() { Logger::Log("Total Heap Usage: %zu\n", s_gTotalHeapMemory); }

} // namespace Common
