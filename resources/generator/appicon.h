// The application icon a desktop shows for Nubo: installed beside the program, not embedded.
#pragma once

#include "canvas.h"

Canvas drawappicon();
