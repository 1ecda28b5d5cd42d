#include "cli/cliprinter.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CLIPrinter, PadsToTheWidthWithTheNewlineCounted)
{
    std::ostringstream out;
    CLIPrinter printer(&out);
    printer.print_ln("", 0);
    printer.print_ln("ab", 5);
    printer.print("toolong", 3);
    EXPECT_EQ(out.str(), "\nab\n  toolong");
}

TEST(CLIPrinter, DisabledPrinterWritesNothingUntilEnabled)
{
    std::ostringstream out;
    CLIPrinter printer(&out);
    CLIPrinter copy(printer);
    printer.disable();
    printer.print_ln("a");
    printer.attr_print("b*-*c", "L: ", "\n", 0);
    copy.print("copy ");
    printer.enable();
    printer.print("d");
    EXPECT_EQ(out.str(), "copy d");
    CLIPrinter(nullptr).print_ln("no stream: nothing happens");
}

TEST(CLIPrinter, AttrPrintWritesOneLinePerElement)
{
    std::ostringstream out;
    CLIPrinter printer(&out);
    printer.attr_print("1:1*-*1:2*-*1:2", "   Drive: ", "\n", 0);
    printer.attr_print("a*-*b*-*", "<", ">", 6, [](std::string& text) { text += "!"; });
    printer.attr_print("", "<", ">\n", 0);
    EXPECT_EQ(out.str(), "   Drive: 1:1\n   Drive: 1:2\n   Drive: 1:2\n<a!>  <b!>  ");
}

// Output leaves in large writes: the printer never flushes, the console does
// so before every prompt and question.
TEST(CLIPrinter, NeverFlushes)
{
    struct CountingBuffer : std::stringbuf {
        int syncs = 0;
        int sync() override { return ++syncs, 0; }
    } buffer;
    std::ostream out(&buffer);
    CLIPrinter printer(&out);
    printer.print_ln("a");
    printer.attr_print("b*-*c", "L: ", "\n", 0);
    EXPECT_EQ(buffer.str(), "a\nL: b\nL: c\n");
    EXPECT_EQ(buffer.syncs, 0);
}
