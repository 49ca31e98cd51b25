// Nubo: a board of day columns on which jobs and reminders are planned.
#include "app/loop.h"
#include "app/platform.h"

int main() {
    nubo::startup();
    while (!plat::quitrequested()) nubo::frame();
    nubo::shutdown();
    plat::endprogram();
}
