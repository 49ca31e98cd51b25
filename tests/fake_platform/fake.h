// The fake backend's controls for tests: scripted input, a clock moved only by the test or by sleep,
// scripted random numbers and HTTP answers, an in-memory clipboard, recorded draw calls, URLs and
// console lines, files in a fresh temporary folder, and file faults on demand.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fake {

// One recorded drawing operation with the drawing state in force when it was made.
struct Call {
    std::string op;  // "clear", "rect", "line", "image", "text", "show"
    float x = 0, y = 0, w = 0, h = 0;  // rect: x, y, w, h; line: x, y to w, h; image/text: x, y
    std::string what;                  // text drawn, or image name
    int r = 255, g = 255, b = 255;     // colour after clamping
    float alpha = 1, sx = 1, sy = 1, linewidth = 1;
    std::string font;  // "name@size", empty before any setfont
    bool waitvblank = false;
};

// Thrown by endprogram, so a test can see the program end.
struct Ended {};

// Back to a new machine: empty temporary data root, clock 0, no input, no calls.
void reset();
std::string root();  // the user application-support folder of this test

// Drawing record.
std::vector<Call>& calls();
std::vector<Call> callsof(const std::string& op);
void clearcalls();
void setrecording(bool on);  // off: draw calls are not kept (benchmarks count allocations)
int windowopens();  // how many times openwindow ran
std::string title();  // the window title set last
int windowheight();

// Window: the widest window the "screen" gives.
void setscreenwidth(int width);

// Input for the next passes.
void setmouse(int x, int y);
void press(int button);             // a hit, and held until release
void release(int button);
void click(int button);             // a hit without a hold
void movewheel(int steps);
void presskey(int code);            // a hit, held until releasekey
void releasekey(int code);
void hitkey(int code);              // a hit without a hold
void type(const std::string& codes);  // one typed character per byte
void typecode(int code);              // any character code, e.g. 8364 for the euro sign
void requestquit();

// Clock, chance, date.
void advance(int ms);
int now();
void queuerandom(std::vector<int> values);  // then randomint returns hi when the queue is empty
void setdate(const std::string& text);

// Sounds played, by name, in order.
std::vector<std::string>& sounds();

// Clipboard, browser, console.
std::string& clipboard();
std::vector<std::string>& openedaddresses();
std::vector<std::string>& consolelines();
std::vector<std::string>& errorlines();

// HTTP: body answered for host + path, or no answer (connection fails) when not set. An empty
// host answers for any host.
void sethttp(const std::string& host, const std::string& path, std::optional<std::string> body);
std::vector<std::string>& httprequests();

// File faults. A "kill" after n changing file operations (create, delete, rename, copy, open for
// writing, write, close of a written file, folder sync) makes every later change fail with no
// effect, as if the process had died there; -1 lifts it. Paths containing `part` refuse writes.
void killfilechangesafter(int n);
int filechanges();  // changing file operations so far
void failwritesto(const std::string& part);
// Files whose path contains `part` open for writing, but every line written to them fails.
void fillthedisk(const std::string& part);

}  // namespace fake
