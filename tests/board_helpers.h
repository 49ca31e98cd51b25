// Board tests: Nubo started on Friday 11 December 2026 (day 3267) in a 1200 x 720 window, so the
// first column shows Saturday 5 December (day 3261) and today is the seventh column (x 600..700).
#pragma once

#include <algorithm>

#include "app/platform.h"
#include "board/board.h"
#include "board/palette.h"
#include "board/visible.h"
#include "schedule/days.h"
#include "tests/sheet_helpers.h"

namespace nubo {

constexpr int T = 3267;  // today
constexpr int F = T - 6;  // first column

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Rgb& c) {
    return o << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
inline Rgb rgb(const fake::Call& c) { return {c.r, c.g, c.b}; }

class Board : public Nubo {
protected:
    void SetUp() override {
        Nubo::SetUp();
        fake::setdate("11 Dec 2026");
        startup();
    }
    // The items, their visible entries, and one board frame recorded.
    void show(const std::vector<Item>& items) {
        settable(items);
        refresh();
        fake::clearcalls();
        disegnatabellone();
    }
    // The pointer as the next pass reads it.
    static void setpointer(int x, int y) {
        fake::setmouse(x, y);
        mox = x;
        moy = y;
    }
    static std::vector<fake::Call> find(const std::string& op, float x, float y) {
        std::vector<fake::Call> out;
        for (const fake::Call& c : fake::calls())
            if (c.op == op && c.x == x && c.y == y) out.push_back(c);
        return out;
    }
    static std::vector<fake::Call> texts(const std::string& what) {
        std::vector<fake::Call> out;
        for (const fake::Call& c : fake::calls())
            if (c.op == "text" && c.what == what) out.push_back(c);
        return out;
    }
    static std::vector<fake::Call> images(const std::string& what) {
        std::vector<fake::Call> out;
        for (const fake::Call& c : fake::calls())
            if (c.op == "image" && c.what == what) out.push_back(c);
        return out;
    }
};

// An item of `days` days from day `first`, at row y.
inline Item box(int first, int last, int y = 100, int state = 1, const std::string& line1 = "") {
    return Item{first, last, y, state, -1, 0, "", line1, "", "", "", ""};
}

}  // namespace nubo
