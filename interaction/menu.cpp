#include "interaction/menu.h"

namespace nubo {

int inx, iny;

void resetmenu() { inx = iny = 0; }

}  // namespace nubo
