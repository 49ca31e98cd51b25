// The application shell's program-wide state: window size and the settings chosen from the marker
// files, the data folder, the frame loop's mode, pointer and blink timer. All of it is set by
// startup() and restored to its start-up values by resetstate().
#pragma once

#include <string>

namespace nubo {

// Build number shown in the title and compared by the update check.
extern const std::string Build;
// Language of the text table, fixed when Nubo is built: 1 Italian, 2 English.
constexpr int linguacompilazione = NUBO_LANGUAGE;

// Grid: width of a day column and height of a box row, in pixels; never change.
constexpr int dx = 100;
constexpr int dy = 50;

// Window and the board's columns and rows.
extern int schermox, schermoy;  // window size in pixels
extern int maxoriz;             // day columns: schermox / 100
extern int maxverticale;        // row lines: schermoy / 48
extern int offsetgiorno;        // columns shown left of the reference day: 6, 7 or 8

// Settings, each 1 or -1 unless said otherwise (marker files of the data folder).
extern int extrarighe;   // 1800 x 970 window
extern int extrarighe2;  // 1400 x 860 (840 from the panel) window
extern int rightalign;   // -1: all box texts left-aligned
extern unsigned char colori;  // 1 light theme, 0 dark theme
extern int dettagli;     // 1 full details, -1 reduced
extern int attesaf;      // frame delay in milliseconds: 30, or 60 with reduced details

// The data folder, built with "\" separators.
extern std::string path;

// Board position and sheet.
extern int giorno;           // reference day: the first column shows giorno - offsetgiorno
extern int numerodatabase;   // sheet shown, 1..3

// Frame loop.
extern bool finestrainserimento;  // the editor window is open
extern int mox, moy;              // pointer position read at the start of the pass
extern int oldz;                  // wheel position seen last
extern int lampeggio;             // blink phase, 1 or -1
extern int attesa;                // clock time of the next blink flip

void resetstate();

}  // namespace nubo
