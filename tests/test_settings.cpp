// The settings panel: the icon, every row and its band, the marker files, the window sizes and the
// update check with scripted answers.
#include <gtest/gtest.h>

#include <optional>

#include "tests/interaction_helpers.h"

namespace nubo {
namespace {

class Settings : public Input {
protected:
    void SetUp() override {
        Input::SetUp();
        clickat(1170, 20);  // the icon
        ASSERT_EQ(settings, 1);
        fake::advance(400);
    }
    void row(int y) {
        clickat(840, y);
        fake::advance(400);
    }
};

TEST_F(Input, TheIconOpensAndClosesThePanel) {
    for (auto [x, y, open] : {std::tuple{1161, 39, 1}, {1199, 0, -1}, {1160, 20, -1}, {1170, 40, -1}}) {
        clickat(x, y);
        EXPECT_EQ(settings, open) << x << "," << y;
        fake::advance(400);
    }
    EXPECT_EQ(fake::sounds().size(), 2u);
    settings = 1;
    clickat(500, 500, 2);
    EXPECT_EQ(settings, -1);  // a right click closes it
}

TEST_F(Settings, RowsReactOnlyInsideTheirBands) {
    const std::pair<int, bool> cases[] = {{50, false}, {51, true}, {60, true}, {69, true}, {70, false}, {75, false},
                                          {90, false}, {110, false}, {130, false}, {150, false}, {210, false},
                                          {230, false}, {250, false}, {270, false}, {290, false}};
    for (auto [y, light] : cases) {
        const unsigned char before = colori;
        const int details = dettagli, extra = extrarighe, extra2 = extrarighe2, right = rightalign;
        const size_t sounds = fake::sounds().size();
        row(y);
        EXPECT_EQ(colori != before, light) << y;
        EXPECT_EQ(dettagli, details) << y;
        EXPECT_EQ(extrarighe, extra) << y;
        EXPECT_EQ(extrarighe2, extra2) << y;
        EXPECT_EQ(rightalign, right) << y;
        EXPECT_EQ(fake::sounds().size(), sounds) << y;  // the toggles make no sound
    }
    for (int x : {830, 850}) {
        const unsigned char before = colori;
        clickat(x, 60);
        EXPECT_EQ(colori, before) << x;
    }
}

TEST_F(Settings, TogglesTakeEffectAndLeaveTheirMarkers) {
    row(60);
    EXPECT_EQ(colori, 1);
    EXPECT_TRUE(exists("light"));
    passrecorded();
    EXPECT_EQ(rgb(fake::calls().front()), (Rgb{231, 244, 252}));
    row(100);
    EXPECT_EQ(dettagli, -1);
    EXPECT_EQ(attesaf, 60);
    EXPECT_TRUE(exists("details"));
    const int t = fake::now();
    pass();
    EXPECT_EQ(fake::now() - t, 60);
    row(220);
    EXPECT_EQ(rightalign, -1);
    EXPECT_TRUE(exists("left"));

    // A new start reads them back.
    resetall();
    startup();
    EXPECT_EQ(colori, 1);
    EXPECT_EQ(dettagli, -1);
    EXPECT_EQ(rightalign, -1);
    settings = 1;
    passrecorded();
    for (int y : {53, 93, 213}) EXPECT_EQ(find("rect", 833, static_cast<float>(y)).size(), 1u) << y;

    for (int y : {60, 100, 220}) row(y);
    EXPECT_EQ(colori, 0);
    EXPECT_EQ(attesaf, 30);
    EXPECT_EQ(rightalign, 1);
    for (const char* m : {"light", "details", "left"}) EXPECT_FALSE(exists(m)) << m;
}

TEST_F(Settings, TheLargerWindowsAndTheirFallback) {
    row(180);  // (1440)
    EXPECT_EQ(schermox, 1400);
    EXPECT_EQ(schermoy, 840);
    EXPECT_EQ(fake::windowheight(), 840);
    EXPECT_EQ(maxoriz, 14);
    EXPECT_EQ(maxverticale, 17);
    EXPECT_TRUE(exists("extra2"));
    clickat(1370, 20);  // the icon has moved with the window's edge
    clickat(1370, 20);
    ASSERT_EQ(settings, 1);
    fake::advance(400);
    clickat(1040, 140);  // (1920) while (1440) is marked
    EXPECT_EQ(schermox, 1800);
    EXPECT_EQ(schermoy, 970);
    EXPECT_EQ(extrarighe, 1);
    EXPECT_EQ(extrarighe2, -1);
    EXPECT_TRUE(exists("extra"));
    EXPECT_FALSE(exists("extra2"));
    EXPECT_EQ(maxoriz, 18);
    EXPECT_EQ(offsetgiorno, 6);  // today keeps its column
    passrecorded();
    EXPECT_EQ(find("rect", 1800 - 367, 133).size(), 1u);  // only (1920) is marked
    EXPECT_TRUE(find("rect", 1800 - 367, 173).empty());
    fake::advance(400);
    clickat(1440, 140);
    EXPECT_EQ(schermox, 1200);
    EXPECT_FALSE(exists("extra"));

    fake::setscreenwidth(1600);
    fake::advance(400);
    row(140);
    EXPECT_EQ(schermox, 1200);
    EXPECT_EQ(schermoy, 720);
    EXPECT_EQ(maxoriz, 12);
    EXPECT_EQ(extrarighe, 1);  // still marked
    EXPECT_FALSE(exists("extra"));
    EXPECT_FALSE(exists("extra2"));
    passrecorded();
    EXPECT_EQ(find("rect", 833, 133).size(), 1u);
}

struct Answer {
    const char* name;
    std::optional<std::string> body;
    std::string stored;
    bool opens;
    const char* shown;  // nullptr: nothing on the row in the next pass
    Rgb colour;
};

TEST_F(Settings, TheUpdateCheckComparesTheFirstLineWithTheBuild) {
    const Answer cases[] = {
        {"same build", "308\r\nnotes\r\n", "308", false, "no new releases", {120, 255, 120}},
        {"newer build", "309\n", "309", true, "new version available", {255, 120, 120}},
        {"same number, other text", "0308", "0308", true, "no new releases", {120, 255, 120}},
        {"too long to show", "30800", "", true, nullptr, {0, 0, 0}},
        {"empty body", "", "", true, "check for updates", {200, 200, 200}},
        {"no connection", std::nullopt, "", false, "check for updates", {200, 200, 200}},
    };
    for (const Answer& c : cases) {
        SCOPED_TRACE(c.name);
        ultimaversione.clear();
        fake::openedaddresses().clear();
        fake::sethttp("", "/nuborelease.txt", c.body);
        const size_t sounds = fake::sounds().size();
        const int t = fake::now();
        fake::clearcalls();
        row(260);
        const std::vector<fake::Call> clickpass = fake::calls();
        EXPECT_EQ(fake::sounds().size(), sounds + 3);
        EXPECT_GE(fake::now() - t, 200);
        EXPECT_EQ(fake::openedaddresses().size(), c.opens ? 1u : 0u);
        if (c.opens) {
            EXPECT_EQ(fake::openedaddresses()[0], NUBO_HOME_PAGE);
        }
        passrecorded();
        EXPECT_EQ(ultimaversione, c.stored);
        auto mark = find("rect", 833, 253);
        if (c.shown) {
            auto t2 = texts(c.shown);
            ASSERT_EQ(t2.size(), 1u);
            EXPECT_EQ(t2[0].x, 860);
            EXPECT_EQ(t2[0].y, 249);
            EXPECT_EQ(rgb(t2[0]), c.colour);
            EXPECT_EQ(mark.size(), c.colour == (Rgb{200, 200, 200}) ? 0u : 1u);
        } else {
            // The pass that read the answer drops it and draws nothing on the row; the next shows
            // the row as before any check.
            for (const fake::Call& call : clickpass) EXPECT_FALSE(call.op == "text" && call.y == 249) << call.what;
            EXPECT_EQ(texts("check for updates").size(), 1u);
        }
    }
    EXPECT_EQ(fake::httprequests().back(), std::string(NUBO_UPDATE_HOST) + "/nuborelease.txt");
}

TEST_F(Settings, AFailedCheckKeepsWhatTheRowShowed) {
    fake::sethttp("", "/nuborelease.txt", "309");
    row(260);
    fake::sethttp("", "/nuborelease.txt", std::nullopt);
    row(260);
    EXPECT_EQ(ultimaversione, "309");
}

TEST_F(Settings, ThePanelIsDrawnInBothModes) {
    for (bool editor : {false, true}) {
        finestrainserimento = editor;
        passrecorded();
        auto back = find("rect", 820, 20);
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0].w, 370);
        EXPECT_EQ(back[0].h, 280);
        EXPECT_EQ(rgb(back[0]), (Rgb{100, 100, 100}));
        for (const char* label : {"light theme", "reduce graphic details", "increase boxes (1920)",
                                  "increase boxes (1440)", "align all texts on left", "check for updates"})
            EXPECT_EQ(texts(label).size(), 1u) << label;
        int boxes = 0;
        for (const fake::Call& c : fake::callsof("rect"))
            if (c.x == 830 && c.w == 20 && rgb(c) == (Rgb{70, 70, 70})) boxes++;
        EXPECT_EQ(boxes, 6);
    }
    finestrainserimento = false;
    fake::clearcalls();
    clickat(840, 60);  // the editor does not take panel clicks, the board does
    EXPECT_EQ(colori, 1);
}

}  // namespace
}  // namespace nubo
