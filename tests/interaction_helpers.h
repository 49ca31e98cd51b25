// Interaction tests: real passes of the frame loop with scripted input, on the board of
// Friday 11 December 2026.
#pragma once

#include "app/platform.h"
#include "app/state.h"
#include "interaction/menu.h"
#include "interaction/navigation.h"
#include "interaction/settings.h"
#include "tests/board_helpers.h"

namespace nubo {

class Input : public Board {
protected:
    void SetUp() override {
        Board::SetUp();
        frame();  // the first pass flushes the mouse
    }
    // The items saved as sheet 1 and loaded, as if Nubo had started on them.
    void load(const std::vector<Item>& items) {
        settable(items);
        salvadatabase();
        resetmemoria();
        caricadatabase(1);
        refresh();
        frame();
    }
    static void pass(int n = 1) {
        for (int i = 0; i < n; i++) frame();
    }
    // A click of `button` at (x, y), handled in the next pass.
    static void clickat(int x, int y, int button = 1) {
        fake::setmouse(x, y);
        fake::click(button);
        frame();
    }
    // The first visible entry of item i, or -1.
    static int entryof(int i) {
        for (int e = 0; e < visu; e++)
            if (visui[e] == i) return e;
        return -1;
    }
    static std::vector<int> menucodes() { return {menu[0], menu[1], menu[2], menu[3]}; }
    // The pass's recorded calls only.
    static void passrecorded() {
        fake::clearcalls();
        frame();
    }
};

}  // namespace nubo
