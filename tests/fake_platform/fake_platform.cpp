// The fake backend: every plat:: operation on recorded, scripted state (see fake.h).
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <set>

#include "app/embedded.h"
#include "app/platform.h"
#include "app/posix_files.h"
#include "tests/fake_platform/fake.h"

namespace {

struct State {
    std::string root;
    std::vector<fake::Call> calls;
    fake::Call pen;  // current drawing state
    std::string title;
    int windowopens = 0, width = 0, height = 0, screenwidth = 100000;
    int clearr = 0, clearg = 0, clearb = 0;
    bool quit = false;
    int mx = 0, my = 0, wheel = 0;
    std::set<int> buttonhits, buttonsheld, keyhits, keysheld;
    std::deque<int> typed;
    int clock = 0;
    std::deque<int> randoms;
    std::string date = "11 Dec 2026";
    std::vector<std::string> fonts;  // "name@size" by id
    std::vector<std::string> images;
    std::vector<std::string> soundnames, played;
    std::string clipboard;
    std::vector<std::string> urls, console, errors, requests;
    std::map<std::string, std::optional<std::string>> http;
    int killafter = -1, changes = 0;
    std::string failpart;
    bool recording = true;
};

State s;

void record(const std::string& op, float x, float y, float w = 0, float h = 0, const std::string& what = "") {
    if (!s.recording) return;
    fake::Call c = s.pen;
    c.op = op;
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
    c.what = what;
    s.calls.push_back(c);
}

int clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// A changing file operation is allowed unless the simulated process has died or the path refuses.
bool mayChange(const std::string& path) {
    s.changes++;
    if (s.killafter >= 0 && s.changes > s.killafter) return false;
    if (!s.failpart.empty() && path.find(s.failpart) != std::string::npos) return false;
    return true;
}

std::map<int, std::string> writestreams;  // open written files by stream id
std::set<int> failedstreams;  // written files that lost a line
std::string fullpart;  // written files whose lines fail, as on a full disk

}  // namespace

namespace fake {

void reset() {
    if (!s.root.empty()) std::filesystem::remove_all(s.root);
    posixfiles::unlockfolder();
    s = State{};
    writestreams.clear();
    failedstreams.clear();
    fullpart.clear();
    char tmpl[] = "/tmp/nubo-test-XXXXXX";
    char* dir = mkdtemp(tmpl);
    if (!dir) std::abort();
    s.root = dir;
    s.clock = 1000;  // a running clock never reads 0
}
std::string root() { return s.root; }
std::vector<Call>& calls() { return s.calls; }
std::vector<Call> callsof(const std::string& op) {
    std::vector<Call> out;
    for (const Call& c : s.calls)
        if (c.op == op) out.push_back(c);
    return out;
}
void clearcalls() { s.calls.clear(); }
void setrecording(bool on) { s.recording = on; }
int windowopens() { return s.windowopens; }
std::string title() { return s.title; }
int windowheight() { return s.height; }
void setscreenwidth(int width) { s.screenwidth = width; }
void setmouse(int x, int y) {
    s.mx = x;
    s.my = y;
}
void press(int button) {
    s.buttonhits.insert(button);
    s.buttonsheld.insert(button);
}
void release(int button) { s.buttonsheld.erase(button); }
void click(int button) { s.buttonhits.insert(button); }
void movewheel(int steps) { s.wheel += steps; }
void presskey(int code) {
    s.keyhits.insert(code);
    s.keysheld.insert(code);
}
void releasekey(int code) { s.keysheld.erase(code); }
void hitkey(int code) { s.keyhits.insert(code); }
void type(const std::string& codes) {
    for (unsigned char c : codes) s.typed.push_back(c);
}
void typecode(int code) { s.typed.push_back(code); }
void requestquit() { s.quit = true; }
void advance(int ms) { s.clock += ms; }
int now() { return s.clock; }
void queuerandom(std::vector<int> values) {
    for (int v : values) s.randoms.push_back(v);
}
void setdate(const std::string& text) { s.date = text; }
std::vector<std::string>& sounds() { return s.played; }
std::string& clipboard() { return s.clipboard; }
std::vector<std::string>& openedaddresses() { return s.urls; }
std::vector<std::string>& consolelines() { return s.console; }
std::vector<std::string>& errorlines() { return s.errors; }
void sethttp(const std::string& host, const std::string& path, std::optional<std::string> body) {
    s.http[host + path] = std::move(body);
}
std::vector<std::string>& httprequests() { return s.requests; }
void killfilechangesafter(int n) {
    s.killafter = n < 0 ? -1 : s.changes + n;
}
int filechanges() { return s.changes; }
void failwritesto(const std::string& part) { s.failpart = part; }
void fillthedisk(const std::string& part) { fullpart = part; }

}  // namespace fake

namespace plat {

void startservices() {}

void setwindowtitle(const std::string& title) { s.title = title; }
void openwindow(int width, int height) {
    s.windowopens++;
    s.width = width < s.screenwidth ? width : s.screenwidth;
    s.height = height;
}
int windowwidth() { return s.width; }
void setclearcolour(int r, int g, int b) {
    s.clearr = clamp255(r);
    s.clearg = clamp255(g);
    s.clearb = clamp255(b);
}
void clearframe() {
    fake::Call keep = s.pen;
    s.pen.r = s.clearr;
    s.pen.g = s.clearg;
    s.pen.b = s.clearb;
    record("clear", 0, 0, static_cast<float>(s.width), static_cast<float>(s.height));
    s.pen = keep;
}
void showframe(bool waitvblank) {
    record("show", 0, 0);
    if (s.recording) s.calls.back().waitvblank = waitvblank;
}
void setcolour(int r, int g, int b) {
    s.pen.r = clamp255(r);
    s.pen.g = clamp255(g);
    s.pen.b = clamp255(b);
}
void setalpha(float alpha) { s.pen.alpha = alpha; }
void setscale(float x, float y) {
    s.pen.sx = x;
    s.pen.sy = y;
}
void setlinewidth(float width) { s.pen.linewidth = width; }
void setblendalpha() {}
void setfont(Font font) {
    if (font.id >= 0 && font.id < static_cast<int>(s.fonts.size())) s.pen.font = s.fonts[font.id];
}
void fillrect(float x, float y, float w, float h) { record("rect", x, y, w, h); }
void drawline(float x1, float y1, float x2, float y2) { record("line", x1, y1, x2, y2); }
void drawimage(Image image, float x, float y) {
    std::string name = image.id >= 0 && image.id < static_cast<int>(s.images.size()) ? s.images[image.id] : "?";
    record("image", x, y, static_cast<float>(image.width), static_cast<float>(image.height), name);
}
void drawtext(const std::string& text, float x, float y) { record("text", x, y, 0, 0, text); }

// Every character is half the font's pixel size wide: fixed, so layouts can be checked.
int textwidth(const std::string& text) {
    size_t at = s.pen.font.find('@');
    int size = at == std::string::npos ? 10 : std::atoi(s.pen.font.c_str() + at + 1);
    return static_cast<int>(text.size()) * size / 2;
}

Font loadfont(const std::string& name, int pixels) {
    s.fonts.push_back(name + "@" + std::to_string(pixels));
    return Font{static_cast<int>(s.fonts.size()) - 1};
}
Image loadimage(const std::string& name) {
    Image img;
    const EmbeddedFile* f = findembedded(name);
    if (f && f->size >= 24) {  // width and height from the PNG header
        auto be32 = [&](size_t at) {
            return (f->data[at] << 24) | (f->data[at + 1] << 16) | (f->data[at + 2] << 8) | f->data[at + 3];
        };
        img.width = be32(16);
        img.height = be32(20);
    }
    s.images.push_back(name);
    img.id = static_cast<int>(s.images.size()) - 1;
    return img;
}
Sound loadsound(const std::string& name) {
    s.soundnames.push_back(name);
    return Sound{static_cast<int>(s.soundnames.size()) - 1};
}
void playsound(Sound sound) {
    if (sound.id >= 0 && sound.id < static_cast<int>(s.soundnames.size())) s.played.push_back(s.soundnames[sound.id]);
}

void pollsystem() {}
bool quitrequested() { return s.quit; }
int mousex() { return s.mx; }
int mousey() { return s.my; }
bool mousehit(int button) { return s.buttonhits.erase(button) > 0; }
bool mousedown(int button) { return s.buttonsheld.count(button) > 0; }
int wheel() { return s.wheel; }
void flushmouse() {
    s.buttonhits.clear();
    s.buttonsheld.clear();
    s.wheel = 0;
}
bool keyhit(int code) { return s.keyhits.erase(code) > 0; }
bool keydown(int code) { return s.keysheld.count(code) > 0; }
int nextchar() {
    if (s.typed.empty()) return 0;
    int c = s.typed.front();
    s.typed.pop_front();
    return c;
}

int millisecs() { return s.clock; }
void sleepms(int ms) { s.clock += ms; }
int randomint(int, int hi) {
    if (s.randoms.empty()) return hi;
    int v = s.randoms.front();
    s.randoms.pop_front();
    return v;
}
std::string datetext() { return s.date; }

std::string appsupportfolder() { return s.root; }
int filetype(const std::string& path) { return posixfiles::filetype(path); }
bool createfolder(const std::string& path) { return mayChange(path) && posixfiles::createfolder(path); }
bool createemptyfile(const std::string& path) { return mayChange(path) && posixfiles::createemptyfile(path); }
bool deletefile(const std::string& path) { return mayChange(path) && posixfiles::deletefile(path); }
bool renamefile(const std::string& from, const std::string& to) {
    return mayChange(from + "\n" + to) && posixfiles::renamefile(from, to);
}
bool copyfile(const std::string& from, const std::string& to) { return mayChange(to) && posixfiles::copyfile(from, to); }
bool syncfolder(const std::string& path) { return mayChange(path) && posixfiles::syncfolder(path); }
int lockfolder(const std::string& path) { return posixfiles::lockfolder(path); }
Stream openread(const std::string& path) { return Stream{posixfiles::openread(path)}; }
Stream openwrite(const std::string& path) {
    if (!mayChange(path)) return Stream{};
    int id = posixfiles::openwrite(path);
    if (id) writestreams[id] = path;
    return Stream{id};
}
bool endofstream(Stream stream) { return posixfiles::endofstream(stream.id); }
std::string readline(Stream stream) { return posixfiles::readline(stream.id); }
bool writeline(Stream stream, const std::string& text) {
    auto it = writestreams.find(stream.id);
    bool full = it != writestreams.end() && !fullpart.empty() && it->second.find(fullpart) != std::string::npos;
    if (!mayChange("") || full) {
        failedstreams.insert(stream.id);
        return false;
    }
    return posixfiles::writeline(stream.id, text);
}
bool closestream(Stream stream) {
    bool written = writestreams.erase(stream.id) > 0;
    bool allowed = !written || mayChange("");
    bool lost = failedstreams.erase(stream.id) > 0;
    bool ok = posixfiles::closestream(stream.id);
    return allowed && ok && !lost;
}

Stream httpget(const std::string& host, const std::string& path) {
    s.requests.push_back(host + path);
    auto it = s.http.find(host + path);
    if (it == s.http.end()) it = s.http.find(path);
    if (it == s.http.end() || !it->second) return Stream{};
    return Stream{posixfiles::openmemory(*it->second)};
}
void openaddress(const std::string& address) { s.urls.push_back(address); }

void openclipboard() {}
std::string getclipboard() { return s.clipboard; }
void setclipboard(const std::string& text) { s.clipboard = text; }

void consoleline(const std::string& text) { s.console.push_back(text); }
void errorline(const std::string& text) { s.errors.push_back(text); }
[[noreturn]] void endprogram() { throw fake::Ended{}; }

}  // namespace plat
