// POSIX file layer: stdio streams for the 8-bit line files, rename for atomic replacement, fsync so
// that a closed file survives a crash, flock for the data folder's single-user lock.
#include "app/posix_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace posixfiles {

namespace {

struct Entry {
    bool used = false;
    FILE* file = nullptr;  // file stream
    bool writing = false;
    bool failed = false;   // a write went wrong
    std::string memory;    // memory stream bytes
    size_t pos = 0;
};

std::vector<Entry> table(1);  // slot 0 is "no stream"
int lockfd = -1;

int newentry() {
    for (size_t i = 1; i < table.size(); i++)
        if (!table[i].used) {
            table[i] = Entry{};
            table[i].used = true;
            return static_cast<int>(i);
        }
    table.push_back(Entry{});
    table.back().used = true;
    return static_cast<int>(table.size() - 1);
}

Entry* find(int id) {
    if (id <= 0 || id >= static_cast<int>(table.size()) || !table[id].used) return nullptr;
    return &table[id];
}

int readbyte(Entry& e) {
    if (e.file) return std::fgetc(e.file);
    if (e.pos >= e.memory.size()) return EOF;
    return static_cast<unsigned char>(e.memory[e.pos++]);
}

}  // namespace

std::string diskpath(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

int filetype(const std::string& path) {
    struct stat st {};
    if (stat(diskpath(path).c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return 1;
}

bool createfolder(const std::string& path) { return mkdir(diskpath(path).c_str(), 0755) == 0; }

bool createemptyfile(const std::string& path) {
    int fd = open(diskpath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    return close(fd) == 0;
}

bool deletefile(const std::string& path) { return unlink(diskpath(path).c_str()) == 0; }

bool renamefile(const std::string& from, const std::string& to) {
    return std::rename(diskpath(from).c_str(), diskpath(to).c_str()) == 0;
}

bool copyfile(const std::string& from, const std::string& to) {
    FILE* in = std::fopen(diskpath(from).c_str(), "rb");
    if (!in) return false;
    FILE* out = std::fopen(diskpath(to).c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buf[65536];
    bool ok = true;
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
        if (std::fwrite(buf, 1, n, out) != n) {
            ok = false;
            break;
        }
    if (std::ferror(in)) ok = false;
    std::fclose(in);
    if (std::fflush(out) != 0 || fsync(fileno(out)) != 0) ok = false;
    if (std::fclose(out) != 0) ok = false;
    return ok;
}

bool syncfolder(const std::string& path) {
    int fd = open(diskpath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

int lockfolder(const std::string& path) {
    if (lockfd >= 0) return 1;
    int fd = open(diskpath(path + "\\nubo.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    // flock is released by the kernel when the holder ends, so a stale lock never blocks.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? 0 : -1;
    }
    lockfd = fd;
    return 1;
}

void unlockfolder() {
    if (lockfd >= 0) close(lockfd);
    lockfd = -1;
}

int openread(const std::string& path) {
    if (filetype(path) != 1) return 0;
    FILE* f = std::fopen(diskpath(path).c_str(), "rb");
    if (!f) return 0;
    int id = newentry();
    table[id].file = f;
    return id;
}

int openwrite(const std::string& path) {
    FILE* f = std::fopen(diskpath(path).c_str(), "wb");
    if (!f) return 0;
    int id = newentry();
    table[id].file = f;
    table[id].writing = true;
    return id;
}

int openmemory(const std::string& bytes) {
    int id = newentry();
    table[id].memory = bytes;
    return id;
}

bool endofstream(int id) {
    Entry* e = find(id);
    if (!e || e->writing) return true;
    if (!e->file) return e->pos >= e->memory.size();
    int c = std::fgetc(e->file);
    if (c == EOF) return true;
    std::ungetc(c, e->file);
    return false;
}

std::string readline(int id) {
    std::string line;
    Entry* e = find(id);
    if (!e || e->writing) return line;
    for (;;) {
        int c = readbyte(*e);
        if (c == EOF || c == '\n' || c == 0) break;
        if (c != '\r') line.push_back(static_cast<char>(c));
    }
    return line;
}

bool writeline(int id, const std::string& text) {
    Entry* e = find(id);
    if (!e || !e->writing) return false;
    if (std::fwrite(text.data(), 1, text.size(), e->file) != text.size() ||
        std::fwrite("\r\n", 1, 2, e->file) != 2)
        e->failed = true;
    return !e->failed;
}

bool closestream(int id) {
    Entry* e = find(id);
    if (!e) return false;
    bool ok = !e->failed;
    if (e->file) {
        if (e->writing && (std::fflush(e->file) != 0 || fsync(fileno(e->file)) != 0)) ok = false;
        if (std::fclose(e->file) != 0) ok = false;
    }
    *e = Entry{};
    return ok;
}

}  // namespace posixfiles
