// Sheet files: each of the three sheets is a pair of 8-bit text files in the data folder, a data
// file (days, row, state, link, icon, phone line) and a text file (the five description lines),
// one line per item with "|" between fields and CR LF after every line.
//
// A save never leaves a moment in which the last saved pair is lost or a sheet file is missing:
// the new pair is written in full to ".new" files and flushed, a commit mark is made, the current
// files are copied to their backups, and only then does each new file replace its sheet file in
// one rename. A load finishes a save that was cut off after its commit mark, and drops the ".new"
// files of one cut off before it.
#pragma once

#include <string>

namespace nubo {

// Shown by the board after a load: the example note (no items) and the hint line (under 3 items).
extern int onexample, onscreen;

// Name of one of sheet n's files: "data1" + n + ".sch" for the data file, "datat1" + n + ".sch"
// for the text file, followed by `ending` (".backup", ".oldbackup", ...).
std::string nomedati(int n, const std::string& ending = "");
std::string nometesti(int n, const std::string& ending = "");

// Loads sheet n into the empty item table; ends Nubo with "ERROR 077" when its two files disagree.
void caricadatabase(int n);
// Saves the items to the pair of sheet numerodatabase, the previous pair becoming the backups.
void salvadatabase();

// True when the loaded files held more lines than the table has slots; those lines are kept as
// they are and written back after the items.
bool righeinpiu();

void resetsheetfiles();

}  // namespace nubo
