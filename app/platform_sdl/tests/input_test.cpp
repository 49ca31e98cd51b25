#include "app/platform_sdl/input.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/platform.h"

namespace {

class Input : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SDL_Init(SDL_INIT_EVENTS); }
    void SetUp() override { sdlbackend::resetinput(); }

    static SDL_Event button(Uint32 type, Uint8 which, int x = 10, int y = 20) {
        SDL_Event e{};
        e.type = type;
        e.button.button = which;
        e.button.x = x, e.button.y = y;
        return e;
    }
    static SDL_Event key(Uint32 type, SDL_Keycode sym, bool repeat = false) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = sym;
        e.key.repeat = repeat ? 1 : 0;
        return e;
    }
    static SDL_Event text(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
        return e;
    }
    static SDL_Event wheelstep(int y, bool flipped = false) {
        SDL_Event e{};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.y = y;
        e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        return e;
    }
    static void feed(const SDL_Event& e) { sdlbackend::handleevent(e); }
};

}  // namespace

TEST_F(Input, HitIsRememberedUntilAskedOnce) {
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    feed(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(plat::mousedown(1));
    EXPECT_TRUE(plat::mousehit(1));
    EXPECT_FALSE(plat::mousehit(1));
}

TEST_F(Input, RightButtonIsTwo) {
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6));
    EXPECT_FALSE(plat::mousehit(1));
    EXPECT_TRUE(plat::mousedown(2));
    EXPECT_TRUE(plat::mousehit(2));
    EXPECT_EQ(plat::mousex(), 5);
    EXPECT_EQ(plat::mousey(), 6);
}

TEST_F(Input, DownFollowsPressAndRelease) {
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(plat::mousedown(1));
    EXPECT_TRUE(plat::mousedown(1));
    feed(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(plat::mousedown(1));
}

TEST_F(Input, PointerFollowsMotion) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 650, e.motion.y = 300;
    feed(e);
    EXPECT_EQ(plat::mousex(), 650);
    EXPECT_EQ(plat::mousey(), 300);
}

TEST_F(Input, WheelAwayFromUserRaises) {
    feed(wheelstep(1));
    feed(wheelstep(1));
    feed(wheelstep(-1));
    EXPECT_EQ(plat::wheel(), 1);
    feed(wheelstep(1, true));  // "natural" scrolling reports the other sign
    EXPECT_EQ(plat::wheel(), 0);
}

TEST_F(Input, FlushForgetsPressesHoldsAndWheel) {
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    feed(wheelstep(3));
    plat::flushmouse();
    EXPECT_FALSE(plat::mousehit(1));
    EXPECT_FALSE(plat::mousehit(2));
    EXPECT_FALSE(plat::mousedown(1));
    EXPECT_EQ(plat::wheel(), 0);
    feed(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));  // the release of the forgotten hold
    EXPECT_FALSE(plat::mousedown(1));
    feed(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(plat::mousedown(1));
}

TEST_F(Input, ProgramKeyCodes) {
    struct Case {
        SDL_Keycode sym;
        int code;
    } cases[] = {{SDLK_LEFT, 37}, {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40}, {SDLK_INSERT, 45},
                 {SDLK_DELETE, 46}, {SDLK_F1, 112}, {SDLK_F2, 113}, {SDLK_F3, 114}};
    for (const Case& c : cases) {
        feed(key(SDL_KEYDOWN, c.sym));
        EXPECT_TRUE(plat::keydown(c.code)) << c.code;
        EXPECT_TRUE(plat::keyhit(c.code)) << c.code;
        EXPECT_FALSE(plat::keyhit(c.code)) << c.code;
        feed(key(SDL_KEYUP, c.sym));
        EXPECT_FALSE(plat::keydown(c.code)) << c.code;
    }
    EXPECT_EQ(sdlbackend::programkey(SDLK_F4), 115);
    EXPECT_EQ(sdlbackend::programkey(SDLK_a), 65);
    EXPECT_EQ(sdlbackend::programkey(SDLK_LSHIFT), -1);
}

TEST_F(Input, KeyRepeatIsNoNewHit) {
    feed(key(SDL_KEYDOWN, SDLK_RIGHT));
    EXPECT_TRUE(plat::keyhit(plat::kright));
    feed(key(SDL_KEYDOWN, SDLK_RIGHT, true));
    EXPECT_FALSE(plat::keyhit(plat::kright));
    EXPECT_TRUE(plat::keydown(plat::kright));
}

TEST_F(Input, KeyHitWaitsAcrossOtherQueries) {
    feed(key(SDL_KEYDOWN, SDLK_F2));
    feed(key(SDL_KEYUP, SDLK_F2));
    EXPECT_FALSE(plat::keyhit(plat::kf1));
    EXPECT_TRUE(plat::keyhit(plat::kf2));
}

TEST_F(Input, TypedTextBecomesLatin1Codes) {
    feed(text("Caf\xC3\xA9 5\xE2\x82\xAC"));
    int expected[] = {'C', 'a', 'f', 0xE9, ' ', '5'};
    for (int c : expected) EXPECT_EQ(plat::nextchar(), c);
    EXPECT_EQ(plat::nextchar(), 0);
}

TEST_F(Input, BackspaceAndReturnAreTypedIncludingRepeats) {
    feed(text("a"));
    feed(key(SDL_KEYDOWN, SDLK_BACKSPACE));
    feed(key(SDL_KEYDOWN, SDLK_BACKSPACE, true));
    feed(key(SDL_KEYDOWN, SDLK_RETURN));
    feed(key(SDL_KEYDOWN, SDLK_KP_ENTER));
    feed(key(SDL_KEYUP, SDLK_RETURN));
    EXPECT_EQ(plat::nextchar(), 'a');
    EXPECT_EQ(plat::nextchar(), 8);
    EXPECT_EQ(plat::nextchar(), 8);
    EXPECT_EQ(plat::nextchar(), 13);
    EXPECT_EQ(plat::nextchar(), 13);
    EXPECT_EQ(plat::nextchar(), 0);
}

TEST_F(Input, LongTypingKeepsOrder) {
    for (int i = 0; i < 5000; i++) feed(text(i % 2 ? "b" : "a"));
    for (int i = 0; i < 5000; i++) ASSERT_EQ(plat::nextchar(), i % 2 ? 'b' : 'a') << i;
    EXPECT_EQ(plat::nextchar(), 0);
}

TEST_F(Input, CloseAndQuitRequestQuit) {
    EXPECT_FALSE(plat::quitrequested());
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    feed(e);
    EXPECT_TRUE(plat::quitrequested());
    sdlbackend::resetinput();
    e = SDL_Event{};
    e.type = SDL_QUIT;
    feed(e);
    EXPECT_TRUE(plat::quitrequested());
}

TEST_F(Input, ExposeAsksForThePictureAgain) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_TRUE(sdlbackend::handleevent(e));
    e.window.event = SDL_WINDOWEVENT_MOVED;
    EXPECT_FALSE(sdlbackend::handleevent(e));
}
