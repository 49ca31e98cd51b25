// The description text of the editor: a grid of 56 columns by 5 rows of character cells with a
// cell cursor, insert and overwrite modes, line splitting and joining; and the phone line, a plain
// string that characters are appended to. Columns 0..54 hold a row's text; column 55 is a spare,
// always empty cell after a full row.
#pragma once

#include <string>

namespace nubo {

constexpr int colonne = 56, righe = 5;
constexpr int ultimacolonna = 54;  // last column that holds text

extern int carattere[colonne][righe];  // cell codes, 0 empty
extern int curx, cury;                 // cursor: column 0..55, row 0..4
extern int insert;                     // 1 insert mode, -1 overwrite mode
extern std::string riga1r, riga2r, riga3r, riga4r, riga5r;  // the rows as lines, rebuilt each pass
extern unsigned char bcarattere;       // the character typed in this pass, 0 for none

// Loads the item of entry `selezione` into the matrix, the cursor after its last character.
void leggifileemettiinmatrice();
// Rebuilds riga1r .. riga5r from the matrix.
void genera5righedamatrice();
// Empties columns 0..54 of every row.
void svuotamatrice();

// A typed character (8 Backspace, 13 Enter, 32..254 printable) applied to the matrix.
void digita(int codice);
// The cursor keys, Insert and Delete, while the description field is active.
void tastieditor();
// A click that places the cursor at window pixel (x, y).
void posizionacursore(int x, int y);
// A typed character applied to the phone line.
void digitatelefono(int codice);

// Lines longer than a row, from a hand-edited sheet, are shown cut; while their row is not
// edited confirm keeps them whole. The lines confirm stores, "|" still to be replaced.
std::string rigafinale(int r);
// True when row r shows a cut line that confirm will keep whole.
bool rigatagliata(int r);

void resetmatrix();

}  // namespace nubo
