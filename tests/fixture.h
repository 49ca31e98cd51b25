// Every test starts on a new machine: fresh fake backend, every program-wide variable at its
// start-up value.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/loop.h"
#include "tests/fake_platform/fake.h"

class Nubo : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        nubo::resetall();
    }
    void TearDown() override { fake::reset(); }

    std::string datafolder() const { return fake::root() + "/Nubo-data"; }
    std::string file(const std::string& name) const { return datafolder() + "/" + name; }

    std::string readfile(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool exists(const std::string& name) const { return std::ifstream(file(name)).good(); }
    void writefile(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    void makefolder() const { std::filesystem::create_directories(datafolder()); }
};
