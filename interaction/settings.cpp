#include "interaction/settings.h"

namespace nubo {

int settings;

void resetsettings() { settings = -1; }

}  // namespace nubo
