// Files, folders, the data folder's lock and 8-bit line streams: the shared POSIX layer.
#include "app/platform.h"
#include "app/posix_files.h"

namespace plat {

int filetype(const std::string& path) { return posixfiles::filetype(path); }
bool createfolder(const std::string& path) { return posixfiles::createfolder(path); }
bool createemptyfile(const std::string& path) { return posixfiles::createemptyfile(path); }
bool deletefile(const std::string& path) { return posixfiles::deletefile(path); }
bool renamefile(const std::string& from, const std::string& to) { return posixfiles::renamefile(from, to); }
bool copyfile(const std::string& from, const std::string& to) { return posixfiles::copyfile(from, to); }
bool syncfolder(const std::string& path) { return posixfiles::syncfolder(path); }
int lockfolder(const std::string& path) { return posixfiles::lockfolder(path); }
Stream openread(const std::string& path) { return Stream{posixfiles::openread(path)}; }
Stream openwrite(const std::string& path) { return Stream{posixfiles::openwrite(path)}; }
bool endofstream(Stream stream) { return posixfiles::endofstream(stream.id); }
std::string readline(Stream stream) { return posixfiles::readline(stream.id); }
bool writeline(Stream stream, const std::string& text) { return posixfiles::writeline(stream.id, text); }
bool closestream(Stream stream) { return posixfiles::closestream(stream.id); }

}  // namespace plat
