#include "app/lingua.h"

#include "app/state.h"

namespace nubo {

std::string lingua[numerotesti];

namespace {

const char* const italiano[numerotesti] = {
    "Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato",
    "gen.", "feb.", "mar.", "apr.", "mag.", "giu.", "lug.", "ago.", "set.", "ott.", "nov.", "dic.",
    "Concluso, ", "Materiale ", "Descrizione:", "materiale", "nota", "telefono/e-mail:",
    "numero giorni", "preventivati", "ritardo", "segnalazione",
    "colori chiari", "dettagli grafici ridotti", "aumenta caselle",
    "premere il tasto destro del mouse per aggiungere un promemoria.",
    "verifica aggiornamenti", "aggiornamento disponibile", "questa e' l'ultima versione",
    "allinea tutti i testi a sinistra", "premere F1-F2-F3 per cambiare foglio"};

const char* const english[numerotesti] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
    "jan.", "feb.", "mar.", "apr.", "may", "jun.", "jul.", "aug.", "sep.", "oct.", "nov.", "dec.",
    "Closed, ", "Item ", "Description:", "stuff", "note", "telephone/e-mail:",
    "estimated", "days", "report", "delay",
    "light theme", "reduce graphic details", "increase boxes",
    "press the right mouse button to add a reminder.",
    "check for updates", "new version available", "no new releases",
    "align all texts on left", "press F1-F2-F3 to change sheet"};

}  // namespace

void costruiscilingua() {
    const char* const* table = linguacompilazione == 1 ? italiano : linguacompilazione == 2 ? english : nullptr;
    for (int i = 0; i < numerotesti; i++) lingua[i] = table ? table[i] : "";
}

}  // namespace nubo
