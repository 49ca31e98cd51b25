// Any bytes in a sheet's two files: the load must not crash, and whatever it loaded must survive
// a save and a second load unchanged.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/state.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"
#include "tests/fake_platform/fake.h"

namespace {

std::string folder;

void writefile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder + "/" + name, std::ios::binary | std::ios::trunc) << bytes;
}

struct Snapshot {
    int n;
    std::string all;
};

Snapshot snapshot() {
    std::string all;
    for (int i = 0; i < nubo::indice; i++) {
        all += std::to_string(nubo::giornoinizio[i]) + "," + std::to_string(nubo::giornofine[i]) + "," +
               std::to_string(nubo::verticale[i]) + "," + std::to_string(nubo::stato[i]) + "," +
               std::to_string(nubo::link[i]) + "," + std::to_string(nubo::tag[i]) + "," + nubo::telefono[i] + "\n" +
               nubo::riga1[i] + "\n" + nubo::riga2[i] + "\n" + nubo::riga3[i] + "\n" + nubo::riga4[i] + "\n" +
               nubo::riga5[i] + "\n";
    }
    return {nubo::indice, all};
}

bool load() {
    nubo::resetmemoria();
    try {
        nubo::caricadatabase(1);
    } catch (const fake::Ended&) {
        return false;  // the pair disagreed: Nubo ends, as it must
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (folder.empty()) {
        fake::reset();
        folder = fake::root() + "/Nubo-data";
        std::filesystem::create_directories(folder);
        nubo::path = fake::root() + "\\Nubo-data";
        nubo::numerodatabase = 1;
    }
    fake::clearcalls();
    fake::errorlines().clear();
    // The first byte says where the data file ends and the text file begins.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = size ? (static_cast<unsigned char>(bytes[0]) * (size - 1)) / 255 + 1 : 0;
    writefile("data11.sch", bytes.substr(size ? 1 : 0, split ? split - 1 : 0));
    writefile("datat11.sch", size ? bytes.substr(split) : "");
    if (!load()) return 0;
    const Snapshot first = snapshot();
    nubo::salvadatabase();
    if (!load()) std::abort();
    const Snapshot second = snapshot();
    if (first.n != second.n || first.all != second.all) std::abort();
    return 0;
}
