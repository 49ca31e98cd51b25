// A second Nubo on the same data folder must not save its stale items over the first one's.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/fixture.h"

namespace nubo {
namespace {

TEST_F(Nubo, ASecondCopyOnTheSameFolderSaysSoAndWritesNothing) {
    makefolder();
    writefile("data11.sch", "1|2|3|1|-1|0|\r\n");
    writefile("datat11.sch", "mine||||\r\n");
    // The first copy, another process as far as the lock is concerned.
    int first = open((datafolder() + "/nubo.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(first, 0);
    ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);

    EXPECT_THROW(startup(), fake::Ended);
    bool said = false;
    for (const fake::Call& c : fake::callsof("text")) said |= c.what == "ERROR 090";
    EXPECT_TRUE(said);
    ASSERT_FALSE(fake::errorlines().empty());
    EXPECT_NE(fake::errorlines().back().find("already running"), std::string::npos);
    EXPECT_EQ(readfile("datat11.sch"), "mine||||\r\n");
    EXPECT_FALSE(exists("datat11.sch.backup"));
    close(first);
}

TEST_F(Nubo, ALockLeftByAnEndedCopyDoesNotCount) {
    makefolder();
    writefile("nubo.lock", "");  // a copy that crashed left its lock file
    startup();
    shutdown();
    EXPECT_TRUE(exists("data11.sch"));
}

}  // namespace
}  // namespace nubo
