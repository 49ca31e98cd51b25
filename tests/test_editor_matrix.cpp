// Text entry in the editor's character matrix: typing, Enter, Backspace, the keys, cursor clicks
// and the phone line, as rows before and after.
#include <gtest/gtest.h>

#include "tests/editor_helpers.h"

namespace nubo {
namespace {

struct Edit {
    const char* name;
    std::vector<std::string> before;
    int x, y, mode;
    std::vector<int> codes;
    std::vector<std::string> after;
    int curxafter, curyafter;
};

TEST_F(Nubo, TypingEnterAndBackspaceEditTheRows) {
    const std::string full = letters(55);
    const std::string fifty = letters(50, 'A');
    std::vector<int> fiftysix(56, 'z');
    const Edit cases[] = {
        {"56 characters on an empty row", {"", "", "", "", ""}, 0, 0, 1, fiftysix,
         {std::string(55, 'z'), "z", "", "", ""}, 1, 1},
        {"a character after a full row 4", {"", "", "", "", full}, 55, 4, 1, {'#'},
         {"", "", "", "", "#" + full.substr(1)}, 1, 4},
        {"insert into a full row loses its last character", {full, "", "", "", ""}, 10, 0, 1, {'#'},
         {full.substr(0, 10) + "#" + full.substr(10, 44), "", "", "", ""}, 11, 0},
        {"insert at column 54 replaces it", {full, "", "", "", ""}, 54, 0, 1, {'#'},
         {full.substr(0, 54) + "#", "", "", "", ""}, 55, 0},
        {"overwrite", {"abcdef", "", "", "", ""}, 2, 0, -1, {'X', 'Y'}, {"abXYef", "", "", "", ""}, 4, 0},
        {"Enter splits the row", {"abcdef", "", "", "", ""}, 3, 0, 1, {13}, {"abc", "def", "", "", ""}, 0, 1},
        {"Enter pushes the rows below down", {"abcdef", "one", "two", "", ""}, 3, 0, 1, {13},
         {"abc", "def", "one", "two", ""}, 0, 1},
        {"Enter with text in row 4 does nothing", {"abcdef", "", "", "", "x"}, 3, 0, 1, {13},
         {"abcdef", "", "", "", "x"}, 3, 0},
        {"Enter on row 4 does nothing", {"", "", "", "", "abc"}, 1, 4, 1, {13}, {"", "", "", "", "abc"}, 1, 4},
        {"Enter after a full row", {full, "", "", "", ""}, 55, 0, 1, {13}, {full, "", "", "", ""}, 0, 1},
        {"Backspace in a row", {"abcdef", "", "", "", ""}, 3, 0, 1, {8}, {"abdef", "", "", "", ""}, 2, 0},
        {"Backspace after a full row", {full, "", "", "", ""}, 55, 0, 1, {8}, {full.substr(0, 54), "", "", "", ""},
         54, 0},
        {"Backspace joins onto an empty row above", {"", "xyz", "", "", ""}, 0, 1, 1, {8}, {"xyz", "", "", "", ""}, 0, 0},
        {"Backspace joins after the text above", {"x", "abc", "", "", ""}, 0, 1, 1, {8}, {"xabc", "", "", "", ""}, 1, 0},
        {"Backspace joins what fits", {fifty, "0123456789", "", "", ""}, 0, 1, 1, {8},
         {fifty + "01234", "56789", "", "", ""}, 50, 0},
        {"Backspace at the very start does nothing", {"abc", "", "", "", ""}, 0, 0, 1, {8}, {"abc", "", "", "", ""}, 0, 0},
        {"codes outside the printable range are ignored", {"abc", "", "", "", ""}, 3, 0, 1, {255, 9, 10, 0, 31},
         {"abc", "", "", "", ""}, 3, 0},
    };
    for (const Edit& c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 0; r < 5; r++) setrow(r, c.before[r]);
        curx = c.x;
        cury = c.y;
        insert = c.mode;
        for (int code : c.codes) digita(code);
        EXPECT_EQ(rows(), c.after);
        EXPECT_EQ(curx, c.curxafter);
        EXPECT_EQ(cury, c.curyafter);
        for (int r = 0; r < 5; r++) EXPECT_EQ(carattere[55][r], 0);
    }
}

struct Key {
    const char* name;
    std::vector<std::string> before;
    int x, y;
    int key;
    std::vector<std::string> after;
    int curxafter, curyafter, pause;
};

TEST_F(Nubo, CursorKeysAndDelete) {
    const Key cases[] = {
        {"Right", {"abc", "", "", "", ""}, 1, 0, plat::kright, {"abc", "", "", "", ""}, 2, 0, 60},
        {"Right at the end stays", {"abc", "", "", "", ""}, 3, 0, plat::kright, {"abc", "", "", "", ""}, 3, 0, 60},
        {"Right after a full row", {letters(55), "", "", "", ""}, 55, 0, plat::kright, {letters(55), "", "", "", ""}, 0,
         1, 60},
        {"Left", {"abc", "", "", "", ""}, 2, 0, plat::kleft, {"abc", "", "", "", ""}, 1, 0, 60},
        {"Left at column 0", {"abc", "", "", "", ""}, 0, 0, plat::kleft, {"abc", "", "", "", ""}, 0, 0, 60},
        {"Up to a shorter row", {letters(12), letters(40), "", "", ""}, 30, 1, plat::kup,
         {letters(12), letters(40), "", "", ""}, 12, 0, 0},
        {"Up on row 0", {"abc", "", "", "", ""}, 2, 0, plat::kup, {"abc", "", "", "", ""}, 2, 0, 0},
        {"Down on row 4", {"", "", "", "", "ab"}, 9, 4, plat::kdown, {"", "", "", "", "ab"}, 2, 4, 0},
        {"Delete", {"abcdef", "", "", "", ""}, 2, 0, plat::kdelete, {"abdef", "", "", "", ""}, 2, 0, 40},
        {"Delete in a full row", {letters(55), "", "", "", ""}, 54, 0, plat::kdelete, {letters(54), "", "", "", ""},
         54, 0, 40},
        {"Delete after a full row", {letters(55), "", "", "", ""}, 55, 0, plat::kdelete, {letters(55), "", "", "", ""},
         55, 0, 40},
    };
    for (const Key& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        for (int r = 0; r < 5; r++) setrow(r, c.before[r]);
        curx = c.x;
        cury = c.y;
        lampeggio = 1;
        fake::presskey(c.key);
        const int t = fake::now();
        tastieditor();
        fake::releasekey(c.key);
        EXPECT_EQ(rows(), c.after);
        EXPECT_EQ(curx, c.curxafter);
        EXPECT_EQ(cury, c.curyafter);
        EXPECT_EQ(fake::now() - t, c.pause);
        EXPECT_EQ(lampeggio, -1);
    }
}

TEST_F(Nubo, RightOnAnEmptyCellPrintsTwoLines) {
    setrow(0, "abc");
    curx = 3;
    cury = 0;
    fake::presskey(plat::kright);
    tastieditor();
    ASSERT_EQ(fake::consolelines().size(), 2u);
    EXPECT_EQ(fake::consolelines()[0], "il carattere sotto alcursore  e zero! 3 0");
    EXPECT_EQ(fake::consolelines()[1], std::string("il carattere a destra e") + '\0');
    tastieditor();  // again while held
    EXPECT_EQ(fake::consolelines().size(), 4u);
}

TEST_F(Nubo, InsertTogglesOncePerPress) {
    insert = 1;
    fake::presskey(plat::kinsert);
    tastieditor();
    tastieditor();
    EXPECT_EQ(insert, -1);
}

struct Place {
    int x, y;
    std::vector<std::string> text;
    int cx, cy;
};

TEST_F(Nubo, AClickPlacesTheCursorAtTheTextItLandsOn) {
    const Place cases[] = {
        {264, 145, {"abcdefgh", "", "", "", ""}, 4, 0},
        {500, 145, {"abcdefgh", "", "", "", ""}, 8, 0},
        {205, 130, {"abc", "", "", "", ""}, 0, 0},
        {215, 145, {"abc", "", "", "", ""}, 0, 0},
        {264, 245, {"abc", "", "", "", ""}, 0, 1},  // rows 1..4 empty: up to the row under the text
        {264, 245, {"abc", "xy", "", "", ""}, 0, 2},
        {264, 300, {"abc", "", "", "", "hello"}, 4, 4},
        {900, 145, {letters(55), "", "", "", ""}, 55, 0},
    };
    for (const Place& c : cases) {
        for (int r = 0; r < 5; r++) setrow(r, c.text[r]);
        posizionacursore(c.x, c.y);
        EXPECT_EQ(curx, c.cx) << c.x << "," << c.y;
        EXPECT_EQ(cury, c.cy) << c.x << "," << c.y;
    }
}

TEST_F(Nubo, ThePhoneLineTakesAtMost54CharactersAndEndsWithEnter) {
    inputtesto = 2;
    for (int i = 0; i < 60; i++) digitatelefono('0' + i % 10);
    EXPECT_EQ(telemail.size(), 54u);
    digitatelefono(8);
    EXPECT_EQ(telemail.size(), 53u);
    digitatelefono('|');
    EXPECT_EQ(telemail.back(), '|');
    digitatelefono(255);
    EXPECT_EQ(telemail.size(), 54u);
    digitatelefono(13);
    EXPECT_EQ(inputtesto, 0);
    telemail.clear();
    digitatelefono(8);
    EXPECT_TRUE(telemail.empty());
}

}  // namespace
}  // namespace nubo
