// Common::Logger - time-stamped diagnostic lines to registered streams.
//
// The state is process-wide: the registered streams (in registration order)
// and a paused flag. Logger objects carry nothing; all members are static.
// Every message reaches every stream as "[<ctime text>] <message>\r\n",
// unless the logger is paused. Log formats printf-style with a bounded write
// into a 2048-byte buffer (longer results are cut); LogMessage takes its text
// as it is, so text from users or controllers is never read as a format.
// Register streams before other threads start: the list is not locked.
#ifndef COMMON_CLOG_H
#define COMMON_CLOG_H

#include <cstddef>

#include "common/ctlstring.h"
#include "common/outputstream.h"
#include "common/sharedptr.h"

namespace Common {

class Logger {
public:
    static constexpr std::size_t MESSAGE_BUFFER_SIZE = 2048;

    static void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static void LogMessage(const string& text);
    // A hex dump of `length` bytes: a column header, a rule, then one row per
    // 16 bytes with the offset, the bytes in hex and their printable text.
    static void LogDataBuffer(const unsigned char* bytes, std::size_t length);

    static void RegisterOutputStream(const shared_ptr<OutputStream>& stream);
    static void UnRegisterAllOutputStreams();
    static void Pause();
    static void Resume();
};

// Logs "Total Heap Usage: <bytes>" with the bytes the memory pools took.
void LogTotalHeapMemory();

} // namespace Common

#endif
