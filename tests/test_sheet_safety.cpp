// Saves never lose what was saved last: backups, crashes at any step, files that cannot be
// written or read, sheets larger than the table.
#include <gtest/gtest.h>

#include "tests/sheet_helpers.h"

namespace nubo {
namespace {

Item item(int day, const std::string& text) { return Item{day, day + 1, 100, 1, -1, 0, "", text, "", "", "", ""}; }

const std::vector<Item> first = {item(10, "first")};
const std::vector<Item> second = {item(10, "second"), item(20, "second b")};
const std::vector<Item> third = {item(30, "third")};

TEST_F(Sheet, ThreeSavesLeaveTheSecondAsBackup) {
    for (const auto* items : {&first, &second, &third}) {
        settable(*items);
        salvadatabase();
    }
    EXPECT_EQ(readfile("datat11.sch"), "third||||\r\n");
    EXPECT_EQ(readfile("datat11.sch.backup"), "second||||\r\nsecond b||||\r\n");
    EXPECT_EQ(readfile("data11.sch.backup"), "10|11|100|1|-1|0|\r\n20|21|100|1|-1|0|\r\n");
    EXPECT_FALSE(exists("data11.sch.oldbackup"));
    EXPECT_TRUE(std::filesystem::is_empty(datafolder()) == false);
}

TEST_F(Sheet, OneSaveInSixRefreshesTheOlderBackupsFromThePreviousPair) {
    settable(first);
    salvadatabase();
    settable(second);
    fake::queuerandom({1});
    salvadatabase();
    EXPECT_EQ(readfile("datat11.sch.oldbackup"), "first||||\r\n");
    EXPECT_EQ(readfile("data11.sch.oldbackup"), "10|11|100|1|-1|0|\r\n");
    settable(third);
    fake::queuerandom({2});
    salvadatabase();
    EXPECT_EQ(readfile("datat11.sch.oldbackup"), "first||||\r\n");
    EXPECT_EQ(readfile("datat11.sch.backup"), "second||||\r\nsecond b||||\r\n");
}

TEST_F(Sheet, NoTemporaryFilesStayAfterASave) {
    settable(first);
    fake::queuerandom({1, 1});
    salvadatabase();
    salvadatabase();
    for (const auto& entry : std::filesystem::directory_iterator(datafolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".new"), std::string::npos) << name;
        EXPECT_EQ(name.find(".commit"), std::string::npos) << name;
    }
}

// Kills the save of `next` after each of its file changes in turn; a restart must then show either
// the last completed save or the new one, whole, and the following saves must go on as usual.
TEST_F(Sheet, AKillAtAnyStepOfASaveLosesNothing) {
    settable(first);
    salvadatabase();
    settable(second);
    fake::queuerandom({1});
    const int start = fake::filechanges();
    salvadatabase();
    const int steps = fake::filechanges() - start;
    ASSERT_GT(steps, 8);

    for (int k = 0; k <= steps; k++) {
        SCOPED_TRACE("killed after change " + std::to_string(k));
        freshfolder();
        settable(first);
        salvadatabase();
        settable(second);
        fake::queuerandom({1});
        fake::killfilechangesafter(k);
        salvadatabase();
        fake::killfilechangesafter(-1);

        reload();
        const std::vector<Item> got = table();
        EXPECT_TRUE(got == first || got == second) << "items lost";
        settable(third);
        salvadatabase();
        reload();
        EXPECT_EQ(table(), third);
        const std::string backup = readfile("datat11.sch.backup");
        EXPECT_TRUE(backup == "first||||\r\n" || backup == "second||||\r\nsecond b||||\r\n") << backup;
    }
}

TEST_F(Sheet, AKillDuringTheFirstSaveOfASheetLeavesItLoadable) {
    settable(second);
    const int start = fake::filechanges();
    salvadatabase();
    const int steps = fake::filechanges() - start;
    for (int k = 0; k <= steps; k++) {
        SCOPED_TRACE(k);
        freshfolder();
        settable(second);
        fake::killfilechangesafter(k);
        salvadatabase();
        fake::killfilechangesafter(-1);
        reload();
        EXPECT_TRUE(indice == 0 || table() == second);
    }
}

struct WriteFault {
    const char* name;
    void (*fault)();
    const char* code;
};

TEST_F(Sheet, AFileThatCannotBeWrittenIsReportedAndTheSavedPairStays) {
    const WriteFault cases[] = {
        {"data file refused", [] { fake::failwritesto("data11.sch.new"); }, "ERROR 081"},
        {"text file refused", [] { fake::failwritesto("datat11.sch.new"); }, "ERROR 082"},
        {"disk full on the data file", [] { fake::fillthedisk("data11.sch.new"); }, "ERROR 081"},
        {"disk full on the text file", [] { fake::fillthedisk("datat11.sch.new"); }, "ERROR 082"},
        {"no room for the commit mark", [] { fake::failwritesto(".commit"); }, "ERROR 081"},
    };
    for (const WriteFault& c : cases) {
        SCOPED_TRACE(c.name);
        freshfolder();
        settable(first);
        salvadatabase();
        settable(second);
        salvadatabase();
        const std::string data = readfile("data11.sch"), text = readfile("datat11.sch");
        const std::string backup = readfile("datat11.sch.backup");
        settable(third);
        c.fault();
        fake::clearcalls();
        salvadatabase();
        EXPECT_TRUE(drew(c.code));
        ASSERT_FALSE(fake::errorlines().empty());
        EXPECT_NE(fake::errorlines().back().find(c.code), std::string::npos);
        EXPECT_EQ(readfile("data11.sch"), data);
        EXPECT_EQ(readfile("datat11.sch"), text);
        EXPECT_EQ(readfile("datat11.sch.backup"), backup);
        fake::failwritesto("");
        fake::fillthedisk("");
        reload();
        EXPECT_EQ(table(), second);
    }
}

TEST_F(Sheet, ASheetFileThatCannotBeReadIsNeverSavedOver) {
    std::filesystem::create_directory(file("data11.sch"));  // there, but no file to read
    writefile("datat11.sch", "");
    fake::clearcalls();
    reload();
    EXPECT_TRUE(drew("ERROR 083"));
    settable(first);
    salvadatabase();
    EXPECT_TRUE(std::filesystem::is_directory(file("data11.sch")));
    EXPECT_EQ(readfile("datat11.sch"), "");
    EXPECT_FALSE(exists("datat11.sch.backup"));
}

std::string lines(int from, int to, const std::string& tail) {
    std::string out;
    for (int i = from; i < to; i++) out += std::to_string(i) + tail + "\r\n";
    return out;
}

TEST_F(Sheet, LinesPastTheTableAreReportedKeptAndWrittenBack) {
    const std::string data = lines(0, 1005, "|1|100|1|-1|0|p");
    const std::string text = lines(0, 1005, "||||");
    writefile("data11.sch", data);
    writefile("datat11.sch", text);
    fake::clearcalls();
    reload();
    EXPECT_TRUE(drew("ERROR 078"));
    EXPECT_EQ(indice, capacita);
    EXPECT_EQ(giornoinizio[capacita - 1], capacita - 1);
    EXPECT_TRUE(righeinpiu());
    fake::clearcalls();
    EXPECT_FALSE(spazioperitem());
    EXPECT_TRUE(drew("ERROR 044"));
    verticale[3] = 555;
    salvadatabase();
    std::string want = data;
    want.replace(want.find("3|1|100|"), 8, "3|1|555|");
    EXPECT_EQ(readfile("data11.sch"), want);
    EXPECT_EQ(readfile("datat11.sch"), text);
}

TEST_F(Sheet, AFullTableRefusesAnAppendAndSaysSo) {
    settable(std::vector<Item>(capacita - 1, first[0]));
    EXPECT_TRUE(spazioperitem());
    indice = capacita;
    fake::clearcalls();
    EXPECT_FALSE(spazioperitem());
    EXPECT_TRUE(drew("ERROR 044"));
    EXPECT_FALSE(fake::errorlines().empty());
    salvadatabase();
    reload();
    EXPECT_EQ(indice, capacita);
    EXPECT_FALSE(righeinpiu());
}

TEST_F(Sheet, ABackupThatCannotBeMadeIsReportedAndTheSaveGoesOn) {
    settable(first);
    salvadatabase();
    settable(second);
    fake::failwritesto("data11.sch.backup");  // no room for the data file's backup
    fake::clearcalls();
    salvadatabase();
    fake::failwritesto("");
    EXPECT_TRUE(drew("ERRORE 001"));
    EXPECT_FALSE(drew("ERRORE 002"));
    EXPECT_FALSE(exists("data11.sch.backup"));
    EXPECT_EQ(readfile("datat11.sch.backup"), "first||||\r\n");
    reload();
    EXPECT_EQ(table(), second);
}

}  // namespace
}  // namespace nubo
