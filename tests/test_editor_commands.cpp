// What confirm writes in each mode, cancel, the text popup, and the faults mended around them.
#include <gtest/gtest.h>

#include "tests/editor_helpers.h"

namespace nubo {
namespace {

TEST_F(Editor, ANewItemFromRightClickToSheetFile) {
    load({box(T + 5, T + 5, 100, 1, "x"), box(T + 5, T + 5, 150), box(T + 5, T + 5, 200)});
    openfrom(350, 300, 0);
    formclick(300, 150);  // into the description
    typein("Fix|it");
    formclick(300, 360);  // into the phone line
    typein("555|1");
    confirm();
    EXPECT_FALSE(finestrainserimento);
    ASSERT_EQ(indice, 4);
    EXPECT_EQ(table()[3], (Item{T - 3, T - 2, 284, 1, -1, 0, "555|1", "Fix_it", "", "", "", ""}));
    EXPECT_EQ(fake::sounds().back(), "suono2.wav");
    resetmemoria();
    caricadatabase(1);
    EXPECT_EQ(telefono[3], "555|1");
    EXPECT_EQ(riga1[3], "Fix_it");
    pass();
    EXPECT_GE(entryof(3), 0);  // the board shows it
}

TEST_F(Editor, ALinkedItemStartsTodayBelowTheClick) {
    load({box(T, T, 690, 1, "near the bottom")});
    openfrom(650, 700, 2);  // LINK
    ASSERT_EQ(collegamento, 0);
    giornofinale = 3;
    confirm();
    ASSERT_EQ(indice, 2);
    EXPECT_EQ(giornoinizio[1], T);
    EXPECT_EQ(giornofine[1], T + 2);
    EXPECT_EQ(verticale[1], 620);  // 741 is below 670
    EXPECT_EQ(link[1], 0);
    EXPECT_EQ(collegamento, -1);
}

TEST_F(Editor, ModifyChangesTheLastDayAndTheTexts) {
    Item it = box(T - 2, T, 300, 1, "old");
    it.tel = "1";
    it.link = 0;
    load({box(T + 4, T + 4, 100, 6), it});
    openfrom(650, 320, 0);
    giornofinale = 5;
    formclick(585, 125);  // a note now
    formclick(300, 150);
    typein("er");
    confirm();
    EXPECT_EQ(table()[1], (Item{T - 2, T + 2, 300, 2, 0, 0, "1", "older", "", "", "", ""}));
}

struct Delay {
    int count;
    int first, last;
};

TEST_F(Editor, ConcludingAnOverdueItemAppendsADelayRecord) {
    const Delay cases[] = {{3, T - 9, T - 3}, {12, T - 9, T - 9}, {0, T - 9, T}};
    for (const Delay& c : cases) {
        SCOPED_TRACE(c.count);
        Item late = box(T - 12, T - 10, 400, 3, "stuff");
        late.tel = "kept";
        late.tag = 2;
        load({late});
        openfrom(400, 420, 0);  // CLOSE on the extension
        ASSERT_EQ(hiddaselezgiono, 1);
        giornofinale = c.count;
        numerotag = 9;
        confirm();
        ASSERT_EQ(indice, 2);
        EXPECT_EQ(stato[0], 9);
        EXPECT_EQ(telefono[0], "kept");
        EXPECT_EQ(riga1[0], "stuff");
        EXPECT_EQ(table()[1], (Item{c.first, c.last, 400, 8, 0, 9, "", "Item ", "", "", "", ""}));
        EXPECT_EQ(hiddaselezgiono, 0);
    }
}

TEST_F(Editor, ConcludingAnItemOnTimeKeepsItsDays) {
    load({box(T, T + 1, 300, 1, "job")});
    openfrom(650, 320, 1);  // CLOSE
    formclick(300, 150);
    typein(" done");
    confirm();
    EXPECT_EQ(table()[0], (Item{T, T + 1, 300, 6, -1, 0, "", "job done", "", "", "", ""}));
    EXPECT_EQ(indice, 1);
}

TEST_F(Editor, CancelWritesNothing) {
    load({box(T, T + 1, 300, 1, "job")});
    const auto before = table();
    const std::string file = readfile("data11.sch") + readfile("datat11.sch");
    openfrom(650, 320, 0);
    typein("more");
    giornofinale = 9;
    cancel();
    EXPECT_FALSE(finestrainserimento);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(readfile("data11.sch") + readfile("datat11.sch"), file);
    EXPECT_EQ(fake::sounds().back(), "suono3.wav");
}

TEST_F(Editor, ClosingTheEditorDoesNotScrollTheBoard) {
    load({box(T, T, 300)});
    fake::movewheel(2);
    pass();
    ASSERT_EQ(giorno, T - 2);
    openfrom(350, 200, 0);
    cancel();
    pass(3);
    EXPECT_EQ(giorno, T - 2);
}

TEST_F(Editor, ThePopupPastesAndCopies) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    fake::clipboard() = "first line\r\nsecond\r\n" + letters(60) + "\r\nfour\ttab\r\nfive\r\nsix\r\nseven";
    clickat(300, 150, 2);
    EXPECT_EQ(visualizzaincolla, 1);
    EXPECT_EQ(visualizzacopia, 0);  // nothing in the first row yet
    passrecorded();
    EXPECT_EQ(images("incolla.png")[0].y, 140);
    clickat(320, 150);
    EXPECT_EQ(rows(), (std::vector<std::string>{"first line", "second", letters(54), "fourtab", "fivesixseven"}));
    EXPECT_EQ(curx, 12);
    EXPECT_EQ(cury, 4);
    EXPECT_EQ(visualizzaincolla, 0);

    telemail = "555";
    fake::advance(300);
    clickat(300, 150, 2);
    EXPECT_EQ(visualizzacopia, 1);
    clickat(320, 150 + 40);
    EXPECT_EQ(fake::clipboard(), "first line\r\nsecond\r\n" + letters(54) + "\r\nfourtab\r\nfivesixseven\r\n555");
    clickat(300, 150, 2);
    clickat(320, 150 + 23);  // between the two buttons
    EXPECT_EQ(visualizzaincolla, 0);
    EXPECT_EQ(fake::clipboard(), "first line\r\nsecond\r\n" + letters(54) + "\r\nfourtab\r\nfivesixseven\r\n555");
}

TEST_F(Editor, AHugeClipboardPastesOnlyWhatFits) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    fake::clipboard() = std::string(5000000, 'x');
    clickat(300, 150, 2);
    clickat(320, 150);
    EXPECT_EQ(row(0), std::string(54, 'x'));
}

TEST_F(Editor, ACharacterAbove255IsDroppedNotCut) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    formclick(300, 150);
    fake::typecode(8364);  // the euro sign would become 172, a different character
    pass();
    typein("a");
    EXPECT_EQ(row(0), "a");
}

TEST_F(Editor, AFullTableRefusesANewItemVisibly) {
    settable(std::vector<Item>(capacita, box(T + 30, T + 30, 100)));
    salvadatabase();
    pass();
    openfrom(350, 200, 0);
    fake::clearcalls();
    confirm();
    EXPECT_EQ(indice, capacita);
    EXPECT_FALSE(finestrainserimento);
    bool said = false;
    for (const fake::Call& c : fake::callsof("text")) said |= c.what == "ERROR 044";
    EXPECT_TRUE(said);
}

TEST_F(Editor, AFullTableLeavesAnOverdueItemOpen) {
    std::vector<Item> items(capacita, box(T + 30, T + 30, 100));
    items[0] = box(T - 5, T - 3, 500, 1, "late");
    settable(items);
    salvadatabase();
    pass();
    openfrom(550, 520, 0);
    confirm();
    EXPECT_EQ(stato[0], 1);  // not closed without its delay record
    EXPECT_EQ(indice, capacita);
}

TEST_F(Editor, AHandEditedLongLineIsKeptUnlessItsRowIsEdited) {
    const std::string longline = letters(70);
    Item it = box(T, T + 1, 300, 1, longline);
    it.r2 = "short|bar";
    writefile("data11.sch", std::to_string(T) + "|" + std::to_string(T + 1) + "|300|1|-1|0|\r\n");
    writefile("datat11.sch", longline + "|short|||\r\n");
    resetmemoria();
    caricadatabase(1);
    refresh();
    pass();
    openfrom(650, 320, 0);
    EXPECT_EQ(row(0), longline.substr(0, 55));
    passrecorded();
    bool warned = false;
    for (const fake::Call& c : fake::callsof("text")) warned |= c.what.find("longer than shown") != std::string::npos;
    EXPECT_TRUE(warned);
    formclick(300, 170);  // into row 2, which is edited
    typein("s");
    confirm();
    EXPECT_EQ(riga1[0], longline);
    EXPECT_EQ(riga2[0], "shorts");

    openfrom(650, 320, 0);
    formclick(300, 150);
    formclick(300, 150);
    typein("!");
    confirm();
    EXPECT_EQ(riga1[0].size(), 55u);  // edited: what the row shows is stored
}

}  // namespace
}  // namespace nubo
