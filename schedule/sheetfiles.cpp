#include "schedule/sheetfiles.h"

#include <climits>
#include <vector>

#include "app/errors.h"
#include "app/platform.h"
#include "app/state.h"
#include "schedule/items.h"

namespace nubo {

int onexample, onscreen;

namespace {

// Lines of the loaded files past the table's capacity, written back unchanged after the items.
std::vector<std::string> datiinpiu, testiinpiu;
// The loaded sheet could not be read: saving it would replace files Nubo never saw.
bool letturafallita = false;
int foglioletto = 0;  // sheet the table was loaded from

std::string filedi(const std::string& nome) { return path + "\\" + nome; }

// The field before the next "|", taking it off `resto`; with no "|" left the field is empty and
// `resto` stays whole.
std::string campo(std::string& resto) {
    size_t bar = resto.find('|');
    if (bar == std::string::npos) return "";
    std::string f = resto.substr(0, bar);
    resto.erase(0, bar + 1);
    return f;
}

// Decimal integer: leading blanks and a sign, then digits up to the first other character;
// empty or digitless reads as 0, values beyond 32 bits are held at the limit.
long long numero(const std::string& f) {
    size_t i = 0;
    while (i < f.size() && (f[i] == ' ' || f[i] == '\t')) i++;
    bool meno = false;
    if (i < f.size() && (f[i] == '+' || f[i] == '-')) meno = f[i++] == '-';
    long long v = 0;
    for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; i++)
        if (v <= INT_MAX) v = v * 10 + (f[i] - '0');
    if (meno) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return v;
}

void leggidati(const std::string& line, int i) {
    std::string resto = line;
    giornoinizio[i] = static_cast<int>(numero(campo(resto)));
    giornofine[i] = static_cast<int>(numero(campo(resto)));
    verticale[i] = static_cast<int>(numero(campo(resto)));
    stato[i] = static_cast<unsigned char>(numero(campo(resto)) & 0xFF);
    link[i] = static_cast<int>(numero(campo(resto)));
    tag[i] = static_cast<unsigned char>(numero(campo(resto)) & 0xFF);
    telefono[i] = resto;
}

void leggitesti(const std::string& line, int i) {
    std::string resto = line;
    riga1[i] = campo(resto);
    riga2[i] = campo(resto);
    riga3[i] = campo(resto);
    riga4[i] = campo(resto);
    riga5[i] = resto;
}

// Reads every line of a file: the first `capacita` into the table through `store`, the rest into
// `overflow`. Returns the number stored; false in `ok` when the file is there but cannot be read.
int leggifile(const std::string& file, void (*store)(const std::string&, int), std::vector<std::string>& overflow,
              bool& ok) {
    int n = 0;
    if (plat::filetype(file) == 0) return 0;
    plat::Stream s = plat::openread(file);
    if (!plat::isopen(s)) {
        ok = false;
        return 0;
    }
    while (!plat::endofstream(s)) {
        std::string line = plat::readline(s);
        if (n < capacita)
            store(line, n++);
        else
            overflow.push_back(std::move(line));
    }
    plat::closestream(s);
    return n;
}

std::string datilinea(int i) {
    return std::to_string(giornoinizio[i]) + "|" + std::to_string(giornofine[i]) + "|" + std::to_string(verticale[i]) +
           "|" + std::to_string(stato[i]) + "|" + std::to_string(link[i]) + "|" + std::to_string(tag[i]) + "|" +
           telefono[i];
}

std::string testilinea(int i) { return riga1[i] + "|" + riga2[i] + "|" + riga3[i] + "|" + riga4[i] + "|" + riga5[i]; }

// Writes the items and the kept overflow lines to `file`; false when any of it failed.
bool scrivifile(const std::string& file, std::string (*linea)(int), const std::vector<std::string>& overflow) {
    plat::Stream s = plat::openwrite(file);
    if (!plat::isopen(s)) return false;
    bool ok = true;
    for (int i = 0; i < indice && ok; i++) ok = plat::writeline(s, linea(i));
    for (size_t i = 0; i < overflow.size() && ok; i++) ok = plat::writeline(s, overflow[i]);
    return plat::closestream(s) && ok;
}

// Replaces `file + ending` by a copy of `file`, never leaving it missing or half written;
// false when the copy could not be made (the old one then stays).
bool copiasicura(const std::string& file, const std::string& ending) {
    if (plat::filetype(file) == 0) return true;
    if (plat::copyfile(file, file + ending + ".new") && plat::renamefile(file + ending + ".new", file + ending))
        return true;
    plat::deletefile(file + ending + ".new");
    return false;
}

// Puts a fully written ".new" file in place of the sheet file, whose contents become its backup
// first. The sheet file is never missing: the rename replaces it in one step.
void prendinuovo(const std::string& file) {
    if (plat::filetype(file + ".new") == 0) return;
    copiasicura(file, ".backup");
    plat::renamefile(file + ".new", file);
}

// Finishes or drops a save of sheet n that was cut off (a crash, a kill, a power cut).
void completasalvataggio(int n) {
    const std::string dati = filedi(nomedati(n)), testi = filedi(nometesti(n));
    const std::string segno = dati + ".commit";
    if (plat::filetype(segno) != 0) {
        plat::errorline("nubo: finishing the interrupted save of sheet " + std::to_string(n));
        prendinuovo(dati);
        prendinuovo(testi);
        plat::syncfolder(path);
        plat::deletefile(segno);
    } else {
        for (const std::string& f : {dati + ".new", testi + ".new"})
            if (plat::filetype(f) != 0) plat::deletefile(f);
    }
    for (const std::string& f : {dati + ".backup.new", testi + ".backup.new", dati + ".oldbackup.new",
                                 testi + ".oldbackup.new"})
        if (plat::filetype(f) != 0) plat::deletefile(f);
}

}  // namespace

std::string nomedati(int n, const std::string& ending) { return "data1" + std::to_string(n) + ".sch" + ending; }
std::string nometesti(int n, const std::string& ending) { return "datat1" + std::to_string(n) + ".sch" + ending; }

bool righeinpiu() { return !datiinpiu.empty() || !testiinpiu.empty(); }

void caricadatabase(int n) {
    completasalvataggio(n);
    onscreen = 1;
    onexample = 1;
    datiinpiu.clear();
    testiinpiu.clear();
    foglioletto = n;
    bool ok = true;
    indice = leggifile(filedi(nomedati(n)), leggidati, datiinpiu, ok);
    if (indice >= 3) {
        onscreen = 0;
        onexample = 0;
    } else if (indice >= 1) {
        onexample = 0;
    }
    indicet = leggifile(filedi(nometesti(n)), leggitesti, testiinpiu, ok);
    letturafallita = !ok;
    if (indice + datiinpiu.size() != indicet + testiinpiu.size()) {
        mostraerrore("ERROR 077", "the two files of sheet " + std::to_string(n) + " disagree: " +
                                      std::to_string(indice + datiinpiu.size()) + " data lines, " +
                                      std::to_string(indicet + testiinpiu.size()) + " text lines");
        plat::endprogram();
    }
    if (letturafallita)
        mostraerrore("ERROR 083", "a file of sheet " + std::to_string(n) +
                                      " cannot be read; this sheet will not be saved, so its files stay as they are");
    if (righeinpiu())
        mostraerrore("ERROR 078", "sheet " + std::to_string(n) + " holds " +
                                      std::to_string(indice + datiinpiu.size()) + " lines; the first " +
                                      std::to_string(capacita) +
                                      " are shown, the others are kept in the files unchanged");
}

void salvadatabase() {
    const int n = numerodatabase;
    if (letturafallita && foglioletto == n) {
        mostraerrore("ERROR 083", "sheet " + std::to_string(n) + " was not read, so it is not saved");
        return;
    }
    const std::string dati = filedi(nomedati(n)), testi = filedi(nometesti(n));
    const bool vecchio = plat::randomint(1, 6) == 1;

    // The new pair, complete and on disk, before anything else is touched.
    if (!scrivifile(dati + ".new", datilinea, datiinpiu)) {
        plat::deletefile(dati + ".new");
        mostraerrore("ERROR 081", "cannot write " + nomedati(n) + " in " + path + "; the saved files are unchanged");
        return;
    }
    if (!scrivifile(testi + ".new", testilinea, testiinpiu)) {
        plat::deletefile(dati + ".new");
        plat::deletefile(testi + ".new");
        mostraerrore("ERROR 082", "cannot write " + nometesti(n) + " in " + path + "; the saved files are unchanged");
        return;
    }
    const std::string segno = dati + ".commit";
    if (!plat::createemptyfile(segno) || !plat::syncfolder(path)) {
        plat::deletefile(dati + ".new");
        plat::deletefile(testi + ".new");
        plat::deletefile(segno);
        mostraerrore("ERROR 081", "cannot write in " + path + "; the saved files are unchanged");
        return;
    }

    if (vecchio) {
        copiasicura(dati, ".oldbackup");
        copiasicura(testi, ".oldbackup");
    }
    const bool copiadati = copiasicura(dati, ".backup");
    const bool copiatesti = copiasicura(testi, ".backup");
    plat::sleepms(300);
    if (!copiadati) mostraerrore("ERRORE 001", "no backup of " + nomedati(n) + " could be made");
    if (!copiatesti) mostraerrore("ERRORE 002", "no backup of " + nometesti(n) + " could be made");

    const bool fatto = plat::renamefile(dati + ".new", dati) && plat::renamefile(testi + ".new", testi);
    plat::syncfolder(path);
    if (fatto)
        plat::deletefile(segno);
    else
        mostraerrore("ERROR 084", "the new files of sheet " + std::to_string(n) +
                                      " could not be put in place; the next start finishes the save");
}

void resetsheetfiles() {
    onexample = onscreen = 0;
    datiinpiu.clear();
    testiinpiu.clear();
    letturafallita = false;
    foglioletto = 0;
}

}  // namespace nubo
