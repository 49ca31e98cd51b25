#include "app/loop.h"

#include "app/errors.h"
#include "app/lingua.h"
#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/palette.h"
#include "board/visible.h"
#include "editor/editor.h"
#include "interaction/menu.h"
#include "interaction/navigation.h"
#include "interaction/overlays.h"
#include "interaction/settings.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"

namespace nubo {

namespace {

bool marcatore(const char* nome) { return plat::filetype(path + "\\" + nome) != 0; }

// The window at the chosen size, or at 1200 x 720 when the screen gives less width.
void aprifinestra() {
    plat::openwindow(schermox, schermoy);
    if (plat::windowwidth() < schermox) {
        schermox = 1200;
        schermoy = 720;
        plat::openwindow(schermox, schermoy);
    }
    maxoriz = schermox / 100;
    maxverticale = schermoy / 48;
}


// The marker files: settings, window size and columns.
void leggimarcatori() {
    schermox = 1200;
    schermoy = 720;
    extrarighe = -1;
    offsetgiorno = 6;
    if (marcatore("extra")) {
        schermox = 1800;
        schermoy = 970;
        extrarighe = 1;
        extrarighe2 = -1;
        offsetgiorno = 8;
    }
    if (marcatore("extra2")) {
        schermox = 1400;
        schermoy = 860;
        extrarighe = -1;
        extrarighe2 = 1;
        offsetgiorno = 7;
    }
    rightalign = marcatore("left") ? -1 : 1;
    colori = marcatore("light") ? 1 : 0;
    if (marcatore("details")) {
        dettagli = -1;
        attesaf = 60;
    } else {
        dettagli = 1;
        attesaf = 30;
    }
}

}  // namespace

void startup() {
    resetall();
    plat::startservices();
    caricafont();
    plat::openclipboard();
    costruiscilingua();
    caricasuoni();
    plat::setwindowtitle("Nubo! (build:" + Build + ")" + std::string(45, ' ') + lingua[37]);
    path = plat::appsupportfolder() + "\\Nubo-data";
    caricaimmagini();
    if (plat::filetype(path) == 0) plat::createfolder(path);
    // A second copy on the same folder would save its stale items over this one's.
    const int blocco = plat::lockfolder(path);
    if (blocco < 0) plat::errorline("nubo: cannot write in " + path + "; changes cannot be saved");
    leggimarcatori();
    aprifinestra();
    settacolori();
    plat::setblendalpha();
    plat::setfont(scritturapiccolissima);
    if (blocco == 0) {
        plat::clearframe();
        plat::setcolour(255, 255, 255);
        plat::setfont(scrittura);
        plat::drawtext("Nubo is already running on this data folder", 20, 50);
        mostraerrore("ERROR 090", "Nubo is already running on " + path + "; this copy ends without saving");
        plat::endprogram();
    }
    oldz = plat::wheel();
    numerooggi();
    giorno = giornoattuale;
    meseegiorno(giorno);
    caricadatabase(numerodatabase);
    refresh();
}

void frame() {
    mox = plat::mousex();
    moy = plat::mousey();
    if (!finestrainserimento) {
        disegnatabellone();
        disegnamenu();
        inputtabellone();
    } else {
        finestraeditor();
    }
    disegnaoverlay();
    plat::showframe(false);
    plat::pollsystem();
    plat::sleepms(attesaf);
}

void shutdown() {
    plat::setcolour(255, 255, 255);
    if (onexample == 0) {
        plat::drawimage(clo, schermox / 2 - 70, schermoy / 2 - 70);
        plat::showframe(false);
        plat::playsound(tick);
    }
    salvadatabase();
    plat::sleepms(200);
}

void resetall() {
    resetstate();
    resetdays();
    resetmemoria();
    indice = indicet = 0;
    resetsheetfiles();
    resetpalette();
    resetvisible();
    resetboard();
    resetmenu();
    resetnavigation();
    resetsettings();
    reseteditor();
    for (std::string& t : lingua) t.clear();
}

}  // namespace nubo
