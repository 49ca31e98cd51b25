#include "interaction/update.h"

#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "interaction/settings.h"

namespace nubo {

namespace {

// Build settings: a packager names the maker's server and home page.
constexpr const char* hostaggiornamenti = NUBO_UPDATE_HOST;
constexpr const char* paginamaker = NUBO_HOME_PAGE;

}  // namespace

void controllaaggiornamenti() {
    plat::playsound(tick);
    plat::sleepms(200);
    plat::playsound(tick);
    const plat::Stream s = plat::httpget(hostaggiornamenti, "/nuborelease.txt");
    if (plat::isopen(s)) {
        ultimaversione = plat::readline(s);
        if (ultimaversione != Build) plat::openaddress(paginamaker);
        plat::closestream(s);
    }
    plat::playsound(tick);
}

}  // namespace nubo
