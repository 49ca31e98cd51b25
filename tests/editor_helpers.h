// Editor tests: the matrix as rows of text, and the editor opened from the board's item menu.
#pragma once

#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/form.h"
#include "editor/matrix.h"
#include "tests/interaction_helpers.h"

namespace nubo {

// Fills row r from column 0 with the bytes of `text` (at most 55).
inline void setrow(int r, const std::string& text) {
    for (int i = 0; i <= ultimacolonna; i++)
        carattere[i][r] = i < static_cast<int>(text.size()) ? static_cast<unsigned char>(text[i]) : 0;
}
inline std::string row(int r) {
    genera5righedamatrice();
    const std::string* rows[5] = {&riga1r, &riga2r, &riga3r, &riga4r, &riga5r};
    return *rows[r];
}
inline std::vector<std::string> rows() { return {row(0), row(1), row(2), row(3), row(4)}; }
inline std::string letters(int n, char first = 'a') {
    std::string s;
    for (int i = 0; i < n; i++) s += static_cast<char>(first + i % 26);
    return s;
}

class Editor : public Input {
protected:
    // A right click at (x, y) and a click on menu row `r`: the editor opens, and the click guard
    // has passed.
    void openfrom(int x, int y, int r) {
        clickat(x, y, 2);
        pass();
        clickat(x + 20, y - alzamenu + 34 * r + 10);
        ASSERT_TRUE(finestrainserimento);
        fake::advance(400);
    }
    // A left click on the form at (x, y), handled in one pass.
    static void formclick(int x, int y) { clickat(x, y); }
    static void typein(const std::string& text) {
        for (unsigned char c : text) {
            fake::type(std::string(1, static_cast<char>(c)));
            pass();
        }
    }
    static void confirm() { formclick(700, 420); }
    static void cancel() { formclick(700, 470); }
};

}  // namespace nubo
