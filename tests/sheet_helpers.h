// Helpers for tests on the item table and the sheet files.
#pragma once

#include <string>
#include <vector>

#include "app/state.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"
#include "tests/fixture.h"

namespace nubo {

// One item's fields, for comparing tables.
struct Item {
    int inizio = 0, fine = 0, vert = 0, stato = 0, link = -1, tag = 0;
    std::string tel, r1, r2, r3, r4, r5;
    bool operator==(const Item&) const = default;
};

inline void store(int i, const Item& it) {
    giornoinizio[i] = it.inizio;
    giornofine[i] = it.fine;
    verticale[i] = it.vert;
    stato[i] = static_cast<unsigned char>(it.stato);
    link[i] = it.link;
    tag[i] = static_cast<unsigned char>(it.tag);
    telefono[i] = it.tel;
    riga1[i] = it.r1;
    riga2[i] = it.r2;
    riga3[i] = it.r3;
    riga4[i] = it.r4;
    riga5[i] = it.r5;
}

inline void settable(const std::vector<Item>& items) {
    resetmemoria();
    for (size_t i = 0; i < items.size(); i++) store(static_cast<int>(i), items[i]);
    indice = static_cast<int>(items.size());
}

inline std::vector<Item> table() {
    std::vector<Item> out;
    for (int i = 0; i < indice; i++)
        out.push_back(Item{giornoinizio[i], giornofine[i], verticale[i], stato[i], link[i], tag[i], telefono[i],
                           riga1[i], riga2[i], riga3[i], riga4[i], riga5[i]});
    return out;
}

// A sheet-file test: the data folder exists and sheet 1 is current.
class Sheet : public Nubo {
protected:
    void SetUp() override {
        Nubo::SetUp();
        freshfolder();
        numerodatabase = 1;
    }
    // A new machine with an empty data folder, the table untouched.
    void freshfolder() {
        fake::reset();
        makefolder();
        path = fake::root() + "\\Nubo-data";
    }
    // Empties the table and loads sheet n, as a restart or a sheet switch does.
    void reload(int n = 1) {
        resetmemoria();
        caricadatabase(n);
    }
    bool drew(const std::string& text) const {
        for (const fake::Call& c : fake::calls())
            if (c.op == "text" && c.what == text && c.x == 20 && c.y == 20) return true;
        return false;
    }
};

}  // namespace nubo
