// The enlarged view: the selected entry's five lines and phone line in a wider box that opens at
// the pointer, upward near the bottom of the window.
#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/boxes.h"
#include "board/visible.h"
#include "interaction/menu.h"
#include "schedule/items.h"

namespace nubo {

void disegnaingrandito() {
    if (visualizzaingrandito == 0) return;
    if (selezionato < 0) {
        visualizzaingrandito = 0;
        return;
    }
    const int s = selezionato, n = visui[s];
    const int o = visuv[s] + 100 > schermoy ? -40 : 5;
    int W = 0;
    for (const std::string* t : {&riga1[n], &riga2[n], &riga3[n], &riga4[n], &riga5[n]}) {
        const int tw = plat::textwidth(*t);
        if (tw > W) W = tw;
    }
    if (static_cast<float>(dx) * 1.5f > static_cast<float>(W)) W = 150;
    int X = inx - dx / 2;
    if (X < 0) X = 0;
    if (X > schermox - W - 20) X = schermox - W - 20;
    const int H = telefono[n].empty() ? 70 : 83;
    const int top = visuv[s] + o;
    rettangolo(0.87f, X, top, W + 20, H, s, 0);
    plat::setcolour(0, 0, 0);
    const std::string* righe[5] = {&riga1[n], &riga2[n], &riga3[n], &riga4[n], &riga5[n]};
    for (int k = 0; k < 5; k++)
        if (!righe[k]->empty())
            plat::drawtext(*righe[k], static_cast<float>(X + 10), static_cast<float>(top + 3 + 12 * k));
    if (!telefono[n].empty())
        plat::drawtext(telefono[n], static_cast<float>(X + W + 10 - plat::textwidth(telefono[n])),
                       static_cast<float>(top + 70));
}

}  // namespace nubo
