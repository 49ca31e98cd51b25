// Lookup of the files built into the executable, by name or by position.
#include "app/embedded.h"

#include "resources/embedded_table.h"

const EmbeddedFile* findembedded(const std::string& name)
{
    for (int i = 0; i < nuboembeddedtablesize; ++i)
        if (name == nuboembeddedtable[i].name)
            return &nuboembeddedtable[i];
    return nullptr;
}

int embeddedcount() { return nuboembeddedtablesize; }

const EmbeddedFile& embeddedfile(int index) { return nuboembeddedtable[index]; }
