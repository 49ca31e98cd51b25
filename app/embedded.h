// The files built into the executable: the sounds, fonts and images, each under its file name.
// They are constant data of the program, there from the first instruction, and never change.
#pragma once

#include <cstddef>
#include <string>

struct EmbeddedFile {
    const char* name;           // e.g. "mono.dll", "inseri.png"
    const unsigned char* data;  // the file's bytes
    std::size_t size;           // number of bytes
};

// The file embedded under this name (e.g. "mono.dll", "inseri.png"), or nullptr.
// Names are matched exactly, case included.
const EmbeddedFile* findembedded(const std::string& name);

// All embedded files, for listing.
int embeddedcount();
// index 0 .. embeddedcount() - 1.
const EmbeddedFile& embeddedfile(int index);
