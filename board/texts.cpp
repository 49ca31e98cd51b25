// Box texts: the first two lines (three in a full-height box) inside a box; a line too wide for
// its box is cut to a count of characters that follows the box width and then squeezed or
// stretched to fill it.
#include <string>

#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/boxes.h"
#include "board/visible.h"
#include "schedule/items.h"

namespace nubo {

namespace {

std::string taglio;  // reused, so squeezing costs no allocation per frame

void riga(const std::string& s, int x0, int x1, int y, bool destra) {
    const float w = static_cast<float>(x1 - x0);
    const int tw = plat::textwidth(s);
    const float Y = static_cast<float>(y);
    if (static_cast<float>(tw) / 1.3f <= w) {
        if (s.empty()) return;
        plat::drawtext(s, static_cast<float>(destra ? x1 + dx / 2 - 4 - tw : x0 + 3), Y);
        return;
    }
    int c = static_cast<int>(w * 0.25f + 8.0f);
    if (static_cast<float>(dx) / 1.3f > w) c = static_cast<int>(static_cast<float>(c) * 1.2f);
    if (c <= 0) return;
    taglio.assign(s, 0, static_cast<size_t>(c));
    taglio.resize(static_cast<size_t>(c), ' ');
    const int tp = plat::textwidth(taglio);
    if (tp == 0) return;
    const float k = (w + static_cast<float>(dx) / 2.2f) / static_cast<float>(tp);
    plat::setscale(k, 1);
    const float x = destra ? static_cast<float>(dx / 2) + (static_cast<float>(x1) - k * static_cast<float>(tp)) - 4
                           : static_cast<float>(x0 + 3);
    plat::drawtext(taglio, x, Y);
    plat::setscale(1, 1);
}

}  // namespace

void scrivitesti(int i) {
    const int n = visui[i];
    const int c = colore[i];
    const bool destra = rightalign == 1 && (c == 4 || c == 5 || c == 7 || c == 8);
    const int y0 = visuv[i] + deltay;
    riga(riga1[n], visux[i], visufx[i], y0, destra);
    riga(riga2[n], visux[i], visufx[i], y0 + 12, destra);
    if (deltay <= 4) riga(riga3[n], visux[i], visufx[i], y0 + 24, false);
}

}  // namespace nubo
