#include "app/errors.h"

#include "app/platform.h"

namespace nubo {

void mostraerrore(const std::string& codice, const std::string& spiegazione) {
    std::string riga = "nubo: " + codice + ": " + spiegazione;
    for (char& c : riga)
        if (c == '\\') c = '/';  // paths as they are on disk
    plat::errorline(riga);
    plat::drawtext(codice, 20, 20);
    plat::showframe(true);
    plat::sleepms(2000);
}

}  // namespace nubo
