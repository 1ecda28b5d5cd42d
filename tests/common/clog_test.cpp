#include "common/clog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/globalstaticallocator.h"

using Common::Logger;
using Common::OutputStreamToBuffer;
using Messages = std::vector<std::string>;

namespace {

class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Logger::RegisterOutputStream(m_first);
        Logger::RegisterOutputStream(m_second);
    }

    void TearDown() override
    {
        Logger::UnRegisterAllOutputStreams();
        Logger::Resume();
    }

    // The messages that reached a stream, each checked to be framed as
    // "[Sun Dec  6 06:42:22 2026] <text>\r\n" and returned without the frame.
    static Messages Received(OutputStreamToBuffer& stream)
    {
        stream.Collect();
        const std::string all(stream.buffer().c_str(), stream.buffer().size());
        Messages messages;
        for (std::size_t at = 0; at < all.size();) {
            const std::size_t end = all.find("\r\n", at);
            if (end == std::string::npos || all[at] != '[' || all.compare(at + 25, 2, "] ") != 0 ||
                all[at + 14] != ':' || all[at + 17] != ':') {
                ADD_FAILURE() << "badly framed log text: " << all.substr(at);
                break;
            }
            messages.push_back(all.substr(at + 27, end - at - 27));
            at = end + 2;
        }
        return messages;
    }

    Common::shared_ptr<OutputStreamToBuffer> m_first{new OutputStreamToBuffer};
    Common::shared_ptr<OutputStreamToBuffer> m_second{new OutputStreamToBuffer};
};

} // namespace

TEST_F(LoggerTest, EveryStreamGetsEveryMessageAndTextIsNeverAFormat)
{
    Logger::LogMessage("100%s %n done");
    Logger::Log("slot=%d %s", 5, "%x%x");
    Common::LogTotalHeapMemory();
    const Messages expected{"100%s %n done", "slot=5 %x%x",
                            "Total Heap Usage: " + std::to_string(Common::s_gTotalHeapMemory) + "\n"};
    EXPECT_EQ(expected, Received(*m_first));
    EXPECT_EQ(expected, Received(*m_second));
}

TEST_F(LoggerTest, LongFormattedMessagesAreCutAtTheBuffer)
{
    Logger::Log("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(Messages{std::string(Logger::MESSAGE_BUFFER_SIZE - 1, 'x')}, Received(*m_first));
}

TEST_F(LoggerTest, PausedLoggerWritesNothingAndALoggingStreamDoesNotLoop)
{
    Logger::RegisterOutputStream(Common::shared_ptr<Common::OutputStream>(new Common::OutputStreamToLog));
    Logger::Pause();
    Logger::LogMessage("hidden");
    Logger::Resume();
    Logger::LogMessage("shown");
    EXPECT_EQ(Messages{"shown"}, Received(*m_first));
}

TEST_F(LoggerTest, DataBufferDumpsRowsOfSixteen)
{
    unsigned char bytes[20];
    for (int i = 0; i < 20; ++i)
        bytes[i] = static_cast<unsigned char>(0x3E + i);
    bytes[1] = 0x00;
    bytes[2] = '%';
    bytes[17] = 0xFF;
    Logger::LogDataBuffer(bytes, sizeof bytes);

    const Messages expected{
        "      00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 0123456789ABCDEF\n",
        "      " + std::string(64, '-') + "\n",
        " 000  3E 00 25 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D >.%ABCDEFGHIJKLM",
        "\n",
        " 010  4E FF 50 51                                     N.PQ",
        "\n",
    };
    EXPECT_EQ(expected, Received(*m_first));
}
