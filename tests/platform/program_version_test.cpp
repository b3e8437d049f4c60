#include "platform/program_version.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

TEST(ProgramVersion, IsTheProjectsVersion) {
    std::ifstream in(std::string(CORVANEL_SOURCE_DIR) + "/CMakeLists.txt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string lists = text.str();
    std::smatch found;
    ASSERT_TRUE(std::regex_search(lists, found,
                                  std::regex(R"(project\(Corvanel VERSION (\d+)\.(\d+)\.(\d+))")));
    const ProgramVersion v = ProgramVersionNumbers();
    EXPECT_EQ(v.major, std::stoi(found[1]));
    EXPECT_EQ(v.minor, std::stoi(found[2]));
    EXPECT_EQ(v.revision, std::stoi(found[3]));
}
