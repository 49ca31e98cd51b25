// The table of embedded files that nubo_embed generates at build time; only the lookup in
// resources/lookup.cpp reads it, everyone else goes through app/embedded.h.
#pragma once

#include "app/embedded.h"

extern const EmbeddedFile nuboembeddedtable[];
extern const int nuboembeddedtablesize;
