// File, folder and stream operations on a POSIX system, shared by both platform backends (the fake
// backend adds its fault injection around them). Paths may use "\" as separator; it becomes "/".
#pragma once

#include <string>

namespace posixfiles {

std::string diskpath(const std::string& path);  // "\" turned into "/"

int filetype(const std::string& path);  // 0 nothing, 1 file, 2 folder
bool createfolder(const std::string& path);
bool createemptyfile(const std::string& path);
bool deletefile(const std::string& path);
bool renamefile(const std::string& from, const std::string& to);
bool copyfile(const std::string& from, const std::string& to);
bool syncfolder(const std::string& path);
int lockfolder(const std::string& path);  // flock on "nubo.lock" in the folder, held until exit
void unlockfolder();                       // for tests that start the program more than once

// Streams: ids > 0 into one table; a memory stream reads from a copy of the given bytes.
int openread(const std::string& path);
int openwrite(const std::string& path);
int openmemory(const std::string& bytes);
bool endofstream(int id);
std::string readline(int id);
bool writeline(int id, const std::string& text);
bool closestream(int id);  // write streams: flushed and fsynced; false when any write failed

}  // namespace posixfiles
