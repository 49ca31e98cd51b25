// The one seam between Nubo and the system: every operation the program needs from the window,
// input, sound, files, clock, clipboard and network, as plain functions. Two backends implement it,
// chosen at link time: app/platform_sdl (SDL2, OpenGL, FreeType, libpng, SDL2_mixer, libcurl) for the
// real program and tests/fake_platform for the tests.
//
// Texts are 8-bit: one character per byte, shown as the Latin-1 character of that code. The backend
// converts at its edges (typed text and clipboard arrive as UTF-8 and leave as UTF-8).
// Coordinates are pixels from the top-left corner of the window's drawing area, y downwards.
// The drawing state (colour, alpha, scale, line width, blend, font) persists until changed.
#pragma once

#include <string>

namespace plat {

// Handles of loaded resources and open streams; plain values, kept for the whole run.
struct Font {
    int id = -1;
};
struct Image {
    int id = -1;
    int width = 0;
    int height = 0;
};
struct Sound {
    int id = -1;
};
struct Stream {
    int id = 0;  // 0: no stream (could not be opened)
};
inline bool isopen(Stream s) { return s.id != 0; }

// ---- services ------------------------------------------------------------------------------
// Brings up output, image and sound loading, fonts, clipboard, folders, 2D drawing and audio.
// No audio device means silent sounds, not a failure.
void startservices();

// ---- window and drawing --------------------------------------------------------------------
void setwindowtitle(const std::string& title);  // used by windows opened afterwards
void openwindow(int width, int height);         // windowed, 60 Hz, double-buffered; replaces an open one
int windowwidth();                              // width of the window just opened
void setclearcolour(int r, int g, int b);
void clearframe();                  // fills the whole frame with the clear colour
void showframe(bool waitvblank);    // the drawn frame becomes visible; it stays until the next clear
void setcolour(int r, int g, int b);  // each channel clamped to 0..255; multiplies images and text
void setalpha(float alpha);           // 0..1
void setscale(float x, float y);      // texts and images, about their top-left corner
void setlinewidth(float width);
void setblendalpha();
void setfont(Font font);
void fillrect(float x, float y, float w, float h);
void drawline(float x1, float y1, float x2, float y2);  // last pixel included
void drawimage(Image image, float x, float y);           // top-left corner at (x, y)
void drawtext(const std::string& text, float x, float y);
int textwidth(const std::string& text);  // in the current font, unscaled

// ---- embedded resources (looked up by name, e.g. "mono.dll", "inseri.png") -----------------
Font loadfont(const std::string& name, int pixels);  // smoothed
Image loadimage(const std::string& name);  // without alpha channel, pure black is transparent
Sound loadsound(const std::string& name);  // no looping
void playsound(Sound sound);               // on a free channel, overlapping, never waits

// ---- input (changes only in pollsystem and flushmouse) -------------------------------------
void pollsystem();
bool quitrequested();
int mousex();
int mousey();
bool mousehit(int button);   // 1 left, 2 right: pressed since the last query for that button
bool mousedown(int button);  // held now
int wheel();                 // counts wheel steps; a step away from the user raises it
void flushmouse();           // polls, then forgets pending presses, releases held buttons, wheel = 0
bool keyhit(int code);       // pressed since the last query for that key
bool keydown(int code);      // held now
int nextchar();              // next typed character code (8 backspace, 13 return), 0 when none

// Key codes the program asks for.
constexpr int kleft = 37, kup = 38, kright = 39, kdown = 40, kinsert = 45, kdelete = 46;
constexpr int kf1 = 112, kf2 = 113, kf3 = 114;

// ---- clock and chance ----------------------------------------------------------------------
int millisecs();           // only grows
void sleepms(int ms);
int randomint(int lo, int hi);  // lo..hi inclusive, each equally likely
std::string datetext();    // today's local date as "%d %b %Y", e.g. "09 Dec 2025"

// ---- files: every "\" in a path is turned into "/" -------------------------------------------
std::string appsupportfolder();  // no trailing separator
int filetype(const std::string& path);  // 0 nothing, 1 file, 2 folder
bool createfolder(const std::string& path);
bool createemptyfile(const std::string& path);  // replaces any file there
bool deletefile(const std::string& path);
bool renamefile(const std::string& from, const std::string& to);  // replaces `to` atomically
bool copyfile(const std::string& from, const std::string& to);
bool syncfolder(const std::string& path);  // makes renames and creations in the folder durable
// Takes the data folder's lock for the rest of the run: 1 taken, 0 held by another running copy,
// -1 no lock can be made there (the folder is not writable). A lock left by a process that has
// ended does not count.
int lockfolder(const std::string& path);
Stream openread(const std::string& path);   // no stream when it cannot be opened
Stream openwrite(const std::string& path);  // on an empty file
bool endofstream(Stream stream);
std::string readline(Stream stream);  // bytes up to LF, a zero byte or the end; CR dropped
bool writeline(Stream stream, const std::string& text);  // the bytes, then CR LF
bool closestream(Stream stream);  // a written file is complete and on disk; false when anything failed

// ---- network -------------------------------------------------------------------------------
// HTTP GET of http://host/path with connect and read timeouts; the body as a read stream, or no
// stream when the server cannot be reached.
Stream httpget(const std::string& host, const std::string& path);
void openaddress(const std::string& address);  // in the user's browser

// ---- clipboard -----------------------------------------------------------------------------
void openclipboard();
std::string getclipboard();  // 8-bit codes; characters above 255 are dropped
void setclipboard(const std::string& text);

// ---- console and end -----------------------------------------------------------------------
void consoleline(const std::string& text);  // one line on standard output
void errorline(const std::string& text);    // one line on standard error
[[noreturn]] void endprogram();             // status 0, at once

}  // namespace plat
