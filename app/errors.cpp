#include "app/errors.h"

#include "app/platform.h"

namespace nubo {

void mostraerrore(const std::string& codice, const std::string& spiegazione) {
    plat::errorline("nubo: " + codice + ": " + spiegazione);
    plat::drawtext(codice, 20, 20);
    plat::showframe(true);
    plat::sleepms(2000);
}

}  // namespace nubo
