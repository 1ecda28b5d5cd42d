// Common::OutputStream - a destination for diagnostic text, and its kinds:
// the console (standard output), a file, the logger itself, and a memory
// buffer. Accept(text, length) takes exactly `length` bytes; the text need
// not be zero-terminated.
#ifndef COMMON_OUTPUTSTREAM_H
#define COMMON_OUTPUTSTREAM_H

#include <cstddef>
#include <cstdio>
#include <memory>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/noncopyable.h"

namespace Common {

// The name log files are called after by default.
string moduleName();

class OutputStream {
public:
    virtual ~OutputStream() = default;
    virtual void Accept(const char* text, std::size_t length) = 0;
};

class OutputStreamToConsole : public OutputStream {
public:
    void Accept(const char* text, std::size_t length) override;
};

// Appends (or, with append false, truncates) the file at construction; each
// Accept writes and flushes. Nothing is written when the file did not open.
class OutputStreamToFile : public OutputStream, public NonCopyable {
public:
    explicit OutputStreamToFile(const string& fileName = moduleName() + ".log", bool append = true);
    ~OutputStreamToFile() override;
    bool isOpen() const { return m_pFile != nullptr; }
    void Accept(const char* text, std::size_t length) override;

private:
    std::FILE* m_pFile;
};

// Hands the text to the logger as one message. A message that reaches this
// stream while the logger is already writing on the same thread is dropped,
// so registering it with the logger cannot loop.
class OutputStreamToLog : public OutputStream {
public:
    void Accept(const char* text, std::size_t length) override;
};

// Collects text in fixed-size chunks; Collect moves everything gathered so far
// onto buffer(), Clear drops it all.
class OutputStreamToBuffer : public OutputStream {
public:
    static constexpr std::size_t CHUNK_SIZE = 8192;

    void Accept(const char* text, std::size_t length) override;
    void Collect();
    void Clear();
    const string& buffer() const { return m_buffer; }

private:
    list<std::unique_ptr<char[]>> m_chunks;
    std::size_t m_lastChunkFill = 0;
    string m_buffer;
};

} // namespace Common

#endif
