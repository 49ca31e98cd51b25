// The sheet files' format: what a save writes, byte for byte, and what a load makes of every line.
#include <gtest/gtest.h>

#include "tests/sheet_helpers.h"

namespace nubo {
namespace {

const std::vector<Item> example = {
    {2900, 2901, 284, 1, -1, 0, "555 0100", "Fix the boiler", "Room 4", "", "", ""},
    {2901, 2903, 326, 2, 0, 3, "", "Buy valves", "", "", "", ""},
};

TEST_F(Sheet, SaveWritesTheExamplePairByteForByte) {
    settable(example);
    salvadatabase();
    EXPECT_EQ(readfile("data11.sch"), "2900|2901|284|1|-1|0|555 0100\r\n2901|2903|326|2|0|3|\r\n");
    EXPECT_EQ(readfile("datat11.sch"), "Fix the boiler|Room 4|||\r\nBuy valves||||\r\n");
    reload();
    EXPECT_EQ(table(), example);
    EXPECT_EQ(indicet, 2);
}

TEST_F(Sheet, EverySheetHasItsOwnPair) {
    settable(example);
    numerodatabase = 3;
    salvadatabase();
    EXPECT_TRUE(exists("data13.sch"));
    EXPECT_TRUE(exists("datat13.sch"));
    EXPECT_FALSE(exists("data11.sch"));
    reload(3);
    EXPECT_EQ(table(), example);
}

TEST_F(Sheet, FieldsRoundTripWhateverTheyHold) {
    const std::vector<Item> odd = {
        {-40, -35, -12, 9, 7, 10, "a|b|c", "", "", "", "", ""},  // negative days, a "|" in the phone line
        {0, 0, 100000, 255, 999, 255, "", "\xe9t\xe9", "\xff\x80", "", "", "\x01"},  // Latin-1 and control bytes
        {2147483647, -2147483647 - 1, 0, 0, -1, 0, std::string(3000, 'x'), std::string(500, 'y'), "", "", "", ""},
    };
    settable(odd);
    salvadatabase();
    reload();
    EXPECT_EQ(table(), odd);
    const std::string before = readfile("data11.sch") + readfile("datat11.sch");
    salvadatabase();
    EXPECT_EQ(readfile("data11.sch") + readfile("datat11.sch"), before);
}

struct DataLine {
    const char* line;
    Item want;
};

TEST_F(Sheet, OddDataLinesLoadFieldByField) {
    const DataLine cases[] = {
        {"10|20", {10, 0, 0, 0, 0, 0, "20", "", "", "", "", ""}},
        {"", {0, 0, 0, 0, 0, 0, "", "", "", "", "", ""}},
        {"  7| +8|-9|3|-1|2|tel", {7, 8, -9, 3, -1, 2, "tel", "", "", "", "", ""}},
        {"12abc|5x|1 2|1|0|0|", {12, 5, 1, 1, 0, 0, "", "", "", "", "", ""}},
        {"1|2|3|257|4|-1|", {1, 2, 3, 1, 4, 255, "", "", "", "", "", ""}},  // low 8 bits of state and icon
        {"99999999999|-99999999999|0|0|0|0|", {2147483647, -2147483647 - 1, 0, 0, 0, 0, "", "", "", "", "", ""}},
        {"1|2|3|1|-1|0|x|y|z", {1, 2, 3, 1, -1, 0, "x|y|z", "", "", "", "", ""}},
        {"||||||", {0, 0, 0, 0, 0, 0, "", "", "", "", "", ""}},
    };
    for (const DataLine& c : cases) {
        SCOPED_TRACE(c.line);
        writefile("data11.sch", std::string(c.line) + "\r\n");
        writefile("datat11.sch", "\r\n");
        reload();
        ASSERT_EQ(indice, 1);
        Item got = table()[0];
        EXPECT_EQ(got, c.want);
    }
}

TEST_F(Sheet, TextLinesSplitIntoFiveWithTheRestInTheLast) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"whole line", {"", "", "", "", "whole line"}},
        {"a|b", {"a", "", "", "", "b"}},
        {"a|b|c|d|e|f|g", {"a", "b", "c", "d", "e|f|g"}},
        {"||||", {"", "", "", "", ""}},
    };
    for (const auto& [line, want] : cases) {
        SCOPED_TRACE(line);
        writefile("data11.sch", "1|1|1|1|-1|0|\r\n");
        writefile("datat11.sch", std::string(line) + "\r\n");
        reload();
        ASSERT_EQ(indice, 1);
        EXPECT_EQ((std::vector<std::string>{riga1[0], riga2[0], riga3[0], riga4[0], riga5[0]}), want);
    }
}

TEST_F(Sheet, LineEndsOfEveryKindLoadAlike) {
    writefile("data11.sch", "1|2|3|1|-1|0|a\nb|4\r5|6|1|-1|0|c\r\n7|8|9|1|-1|0|");
    writefile("datat11.sch", "x\ny\r\nz");
    reload();
    ASSERT_EQ(indice, 3);
    EXPECT_EQ(telefono[0], "a");
    EXPECT_EQ(giornoinizio[1], 0);  // "b" reads as 0
    EXPECT_EQ(giornofine[1], 45);   // the carriage return inside the line is dropped
    EXPECT_EQ(telefono[2], "");
    EXPECT_EQ(riga5[2], "z");
}

TEST_F(Sheet, ExampleNoteAndHintLineFollowTheItemCount) {
    const int cases[][3] = {{0, 1, 1}, {1, 1, 0}, {2, 1, 0}, {3, 0, 0}, {4, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        settable(std::vector<Item>(c[0], example[0]));
        salvadatabase();
        reload();
        EXPECT_EQ(indice, c[0]);
        EXPECT_EQ(onscreen, c[1]);
        EXPECT_EQ(onexample, c[2]);
    }
}

TEST_F(Sheet, EmptySheetSavesTwoEmptyFilesAndLoadsEmpty) {
    reload();
    EXPECT_EQ(indice, 0);
    EXPECT_EQ(onexample, 1);
    EXPECT_EQ(onscreen, 1);
    salvadatabase();
    EXPECT_TRUE(exists("data11.sch"));
    EXPECT_EQ(readfile("data11.sch"), "");
    EXPECT_EQ(readfile("datat11.sch"), "");
    reload();
    EXPECT_EQ(indice, 0);
}

TEST_F(Sheet, LoadedLinksAreKeptButNeverFollowedOutside) {
    writefile("data11.sch", "1|1|1|1|5000|0|\r\n1|1|1|1|-7|0|\r\n1|1|1|1|0|0|\r\n");
    writefile("datat11.sch", "\r\n\r\n\r\n");
    reload();
    EXPECT_EQ(link[0], 5000);
    EXPECT_EQ(link[1], -7);
    EXPECT_EQ(itemcollegato(0), -1);
    EXPECT_EQ(itemcollegato(1), -1);
    EXPECT_EQ(itemcollegato(2), 0);
    EXPECT_EQ(itemcollegato(-1), -1);
    EXPECT_EQ(itemcollegato(capacita + 5), -1);
    salvadatabase();
    EXPECT_EQ(readfile("data11.sch"), "1|1|1|1|5000|0|\r\n1|1|1|1|-7|0|\r\n1|1|1|1|0|0|\r\n");
}

struct Mismatch {
    const char* name;
    const char* data;  // nullptr: no file
    const char* text;
};

TEST_F(Sheet, PairsThatDisagreeEndNuboWithError077) {
    const Mismatch cases[] = {
        {"text file missing", "1|1|1|1|-1|0|\r\n", nullptr},
        {"data file missing", nullptr, "a||||\r\n"},
        {"one line more", "1|1|1|1|-1|0|\r\n", "a\r\nb\r\n"},
    };
    for (const Mismatch& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(file("data11.sch"));
        std::filesystem::remove(file("datat11.sch"));
        if (c.data) writefile("data11.sch", c.data);
        if (c.text) writefile("datat11.sch", c.text);
        fake::clearcalls();
        const int before = fake::now();
        EXPECT_THROW(reload(), fake::Ended);
        EXPECT_TRUE(drew("ERROR 077"));
        ASSERT_FALSE(fake::callsof("show").empty());
        EXPECT_TRUE(fake::callsof("show").back().waitvblank);
        EXPECT_EQ(fake::now() - before, 2000);
    }
}

}  // namespace
}  // namespace nubo
