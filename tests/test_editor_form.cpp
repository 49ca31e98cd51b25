// The editor window: its openings from the item menu, its controls and its drawing.
#include <gtest/gtest.h>

#include "tests/editor_helpers.h"

namespace nubo {
namespace {

TEST_F(Editor, EachMenuButtonOpensItsMode) {
    Item note = box(T, T + 2, 300, 2, "buy");
    note.tel = "555";
    note.tag = 4;
    note.r2 = "valves";
    load({note, box(T - 5, T - 3, 500, 1, "late")});

    openfrom(350, 200, 0);  // ADD on free space
    EXPECT_TRUE(inserimento);
    EXPECT_EQ(giornoselezionato, T - 3);
    EXPECT_EQ(giornofinale, 2);
    EXPECT_EQ(statoevento, 1);
    EXPECT_EQ(collegamento, -1);
    EXPECT_EQ(onscreen, 0);
    EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    cancel();

    openfrom(650, 320, 0);  // MODIFY on the note
    EXPECT_TRUE(modifica);
    EXPECT_FALSE(inserimento);
    EXPECT_EQ(inputtesto, 1);
    EXPECT_EQ(telemail, "555");
    EXPECT_EQ(numerotag, 4);
    EXPECT_EQ(giornofinale, 3);
    EXPECT_EQ(statoevento, 2);
    EXPECT_EQ(giornoselezionato, T);
    EXPECT_EQ(rows(), (std::vector<std::string>{"buy", "valves", "", "", ""}));
    EXPECT_EQ(curx, 6);
    EXPECT_EQ(cury, 1);
    cancel();

    openfrom(650, 320, 1);  // LINK on the note
    EXPECT_TRUE(inserimento);
    EXPECT_EQ(collegamento, 0);
    EXPECT_EQ(giornoselezionato, T);
    EXPECT_EQ(rows(), (std::vector<std::string>{"", "", "", "", ""}));
    EXPECT_TRUE(telemail.empty());
    cancel();

    openfrom(550, 520, 0);  // CLOSE on the overdue extension
    EXPECT_TRUE(concludi);
    EXPECT_EQ(hiddaselezgiono, 1);
    EXPECT_EQ(giornofinale, 0);
    EXPECT_EQ(row(0), "Closed, ");
    EXPECT_EQ(curx, 8);
    cancel();
}

TEST_F(Editor, ClicksWithin300msOfTheOpeningDoNothing) {
    load({box(T, T, 300)});
    clickat(350, 200, 2);
    pass();
    clickat(370, 200);
    ASSERT_TRUE(finestrainserimento);
    formclick(340, 395);  // up arrow, 30 ms after the opening
    EXPECT_EQ(giornofinale, 2);
    fake::advance(300);
    formclick(340, 395);
    EXPECT_EQ(giornofinale, 3);
}

struct Count {
    const char* name;
    int state, start, delay;
    std::vector<std::pair<int, int>> clicks;
    int want;
};

TEST_F(Editor, TheDayCountAndItsFloors) {
    const Count cases[] = {
        {"choices", 1, 2, 0, {{390, 450}}, 7},
        {"choices", 1, 2, 0, {{425, 450}}, 15},
        {"choices", 1, 2, 0, {{460, 450}}, 30},
        {"delay choices", 1, 0, 1, {{460, 450}}, 3},
        {"up has no ceiling", 1, 30, 0, {{340, 395}, {340, 395}}, 32},
        {"down stops at 2 for a plain item", 1, 2, 0, {{340, 460}}, 2},
        {"down stops at 1 for a note", 2, 1, 0, {{340, 460}}, 1},
        {"down stops at 0 in the delay variant", 1, 0, 1, {{340, 460}}, 0},
        {"note box on a note of one day", 2, 1, 0, {{585, 125}}, 2},
        {"stuff box on a note of one day", 2, 1, 0, {{675, 125}}, 2},
        {"note box on a plain item of 7", 1, 7, 0, {{585, 125}}, 7},
    };
    for (const Count& c : cases) {
        SCOPED_TRACE(c.name);
        load({box(T, T, 300)});
        openfrom(350, 200, 0);
        statoevento = static_cast<unsigned char>(c.state);
        giornofinale = c.start;
        hiddaselezgiono = c.delay;
        for (auto [x, y] : c.clicks) formclick(x, y);
        EXPECT_EQ(giornofinale, c.want);
        EXPECT_EQ(fake::sounds().back(), "suono1.wav");
        cancel();
    }
}

TEST_F(Editor, TheNoteAndStuffBoxesChooseTheState) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    const std::pair<int, int> clicks[] = {{585, 125}, {675, 125}, {675, 125}, {585, 125}, {585, 125}};
    const int states[] = {2, 3, 1, 2, 1};
    for (int k = 0; k < 5; k++) {
        formclick(clicks[k].first, clicks[k].second);
        EXPECT_EQ(statoevento, states[k]) << k;
    }
}

TEST_F(Editor, TheIconRowPicksByBandAndStaysOpenAfterCancel) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    formclick(560, 430);
    EXPECT_EQ(apriselezionetag, 1);
    const std::pair<int, int> picks[] = {{230, 0}, {262, 1}, {400, 3}, {706, 8}, {707, 9}, {760, 10}, {200, 10}};
    for (auto [x, icon] : picks) {
        const size_t sounds = fake::sounds().size();
        formclick(x, 540);
        EXPECT_EQ(numerotag, icon) << x;
        EXPECT_EQ(fake::sounds().size(), sounds + 1);
    }
    passrecorded();
    EXPECT_EQ(images("f10.png").size(), 2u);  // in the row and on the icon button
    cancel();
    openfrom(350, 200, 0);
    EXPECT_EQ(apriselezionetag, 1);
}

TEST_F(Editor, ClicksChooseTheActiveField) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    for (auto [x, y, field] : {std::tuple{300, 200, 1}, {300, 360, 2}, {779, 379, 2}, {787, 289, 1}, {100, 100, 0}}) {
        formclick(x, y);
        EXPECT_EQ(inputtesto, field) << x << "," << y;
    }
}

TEST_F(Editor, TheLitWidthOfTheFieldsFollowsTheDayCount) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    for (auto [count, lit] : {std::pair{1, 250}, {2, 340}, {5, 560}}) {
        giornofinale = count;
        passrecorded();
        auto field = find("rect", 220, 340);
        ASSERT_EQ(field.size(), 1u);
        EXPECT_EQ(field[0].w, lit);
        EXPECT_EQ(rgb(field[0]), (Rgb{68, 68, 68}));
        EXPECT_EQ(find("rect", 470, 340).size(), count == 1 ? 1u : 0u);
        EXPECT_EQ(find("rect", 560, 340).size(), count == 2 ? 1u : 0u);
    }
}

TEST_F(Editor, TheFormIsDrawnOverTheBoardWithItsLabels) {
    load({box(T, T, 300)});
    openfrom(350, 200, 0);
    passrecorded();
    EXPECT_TRUE(fake::callsof("clear").empty());
    auto back = find("rect", 200, 100);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(rgb(back[0]), (Rgb{50, 50, 50}));
    EXPECT_EQ(images("confe.png")[0].x, 660);
    EXPECT_EQ(images("annulla.png")[0].y, 460);
    EXPECT_EQ(texts("Description:").size(), 1u);
    EXPECT_EQ(texts("note").size(), 1u);
    EXPECT_EQ(texts("estimated").size(), 1u);
    auto count = texts("2");
    ASSERT_EQ(count.size(), 1u);
    EXPECT_EQ(count[0].sx, 1.2f);
    meseegiorno(T - 3);
    EXPECT_EQ(texts(nomeg + " " + std::to_string(numerog) + " " + nomem).size(), 1u);  // the first day
    auto stripe = find("rect", 216, 140);
    ASSERT_EQ(stripe.size(), 1u);
    EXPECT_EQ(stripe[0].h, 63);
    EXPECT_EQ(rgb(stripe[0]), (Rgb{220, 210, 50}));
}

TEST_F(Editor, ConcludingHidesTheBoxesAndTheDelayVariantItsDates) {
    load({box(T - 5, T - 3, 500, 1, "late")});
    openfrom(550, 520, 0);
    passrecorded();
    EXPECT_TRUE(find("rect", 575, 115).empty());
    EXPECT_TRUE(texts("note").empty());
    EXPECT_EQ(texts("report").size(), 1u);
    EXPECT_EQ(texts("delay").size(), 1u);
    EXPECT_TRUE(texts("estimated").empty());
    for (const char* label : {"1", "2", "3"}) EXPECT_EQ(texts(label).size(), 1u) << label;
    EXPECT_EQ(find("rect", 216, 140)[0].h, 43);  // the extension shows two lines
    const int state = statoevento;
    formclick(585, 125);
    EXPECT_EQ(statoevento, state);
}

}  // namespace
}  // namespace nubo
