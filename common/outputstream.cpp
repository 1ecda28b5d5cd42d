#include "common/outputstream.h"

#include <algorithm>
#include <cstring>

#include "common/clog.h"

namespace Common {

string moduleName() { return "application.exe"; }

void OutputStreamToConsole::Accept(const char* text, std::size_t length) { std::fwrite(text, 1, length, stdout); }

OutputStreamToFile::OutputStreamToFile(const string& fileName, bool append)
    : m_pFile(std::fopen(fileName.c_str(), append ? "ab" : "wb"))
{
}

OutputStreamToFile::~OutputStreamToFile()
{
    if (m_pFile != nullptr)
        std::fclose(m_pFile);
}

void OutputStreamToFile::Accept(const char* text, std::size_t length)
{
    if (m_pFile == nullptr)
        return;
    std::fwrite(text, 1, length, m_pFile);
    std::fflush(m_pFile);
}

void OutputStreamToLog::Accept(const char* text, std::size_t length) { Logger::LogMessage(string(text, length)); }

void OutputStreamToBuffer::Accept(const char* text, std::size_t length)
{
    while (length > 0) {
        if (m_chunks.empty() || m_lastChunkFill == CHUNK_SIZE) {
            m_chunks.push_back(std::make_unique<char[]>(CHUNK_SIZE));
            m_lastChunkFill = 0;
        }
        const std::size_t part = std::min(length, CHUNK_SIZE - m_lastChunkFill);
        std::memcpy(m_chunks.back().get() + m_lastChunkFill, text, part);
        m_lastChunkFill += part;
        text += part;
        length -= part;
    }
}

void OutputStreamToBuffer::Collect()
{
    for (const std::unique_ptr<char[]>& chunk : m_chunks) {
        const bool last = &chunk == &m_chunks.back();
        m_buffer += string(chunk.get(), last ? m_lastChunkFill : CHUNK_SIZE);
    }
    m_chunks.clear();
    m_lastChunkFill = 0;
}

void OutputStreamToBuffer::Clear()
{
    m_chunks.clear();
    m_lastChunkFill = 0;
    m_buffer.clear();
}

} // namespace Common
