#include "common/outputstream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <stdlib.h>
#include <unistd.h>

using Common::OutputStreamToBuffer;
using Common::OutputStreamToFile;

namespace {

std::string Text(const Common::string& text) { return std::string(text.c_str(), text.size()); }

} // namespace

TEST(OutputStreamToBuffer, CollectJoinsChunksAcrossTheirBoundaries)
{
    OutputStreamToBuffer stream;
    std::string expected;
    for (int i = 0; i < 3000; ++i) { // about 17 000 bytes: three chunks
        const std::string piece = "line " + std::to_string(i) + "\n";
        stream.Accept(piece.c_str(), piece.size());
        expected += piece;
    }
    stream.Collect();
    stream.Accept("tail", 4);
    stream.Collect();
    EXPECT_EQ(expected + "tail", Text(stream.buffer()));
    stream.Accept("dropped", 7);
    stream.Clear();
    stream.Collect();
    EXPECT_TRUE(stream.buffer().empty());
}

TEST(OutputStreamToFile, AppendKeepsRewriteTruncatesAndUnopenableWritesNothing)
{
    char dir[] = "/tmp/outputstreamXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    const std::string path = std::string(dir) + "/diagnostic.log";
    const auto contents = [&path] {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    };
    OutputStreamToFile(path.c_str()).Accept("one\0two", 7);
    OutputStreamToFile(path.c_str(), true).Accept("+", 1);
    EXPECT_EQ(std::string("one\0two+", 8), contents());
    OutputStreamToFile rewrite(path.c_str(), false);
    rewrite.Accept("new", 3);
    EXPECT_EQ("new", contents()); // flushed at once

    OutputStreamToFile missing((std::string(dir) + "/no/such/x.log").c_str());
    EXPECT_FALSE(missing.isOpen());
    missing.Accept("lost", 4);
    unlink(path.c_str());
    rmdir(dir);
}
