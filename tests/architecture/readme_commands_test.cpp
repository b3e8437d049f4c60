// The README's commands work on a fresh clone: each one runs a script the repository holds,
// never a file that only some build makes.
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
// The command lines of the README's indented blocks, without their comments.
std::vector<std::string> readmeCommands() {
    std::ifstream in(fs::path(CORVANEL_SOURCE_DIR) / "README.md");
    std::vector<std::string> commands;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("    ", 0) != 0)
            continue;
        std::string command = line.substr(4);
        if (const auto hash = command.find(" #"); hash != std::string::npos)
            command.erase(hash);
        while (!command.empty() && (command.back() == ' ' || command.back() == '&'))
            command.pop_back();
        if (!command.empty())
            commands.push_back(command);
    }
    return commands;
}

// The program a command line starts, after its VARIABLE=value assignments.
std::string programOf(const std::string& command) {
    std::istringstream words(command);
    std::string word;
    static const std::regex assignment("[A-Za-z_][A-Za-z0-9_]*=.*");
    while (words >> word)
        if (!std::regex_match(word, assignment))
            return word;
    return {};
}
} // namespace

TEST(Readme, EveryCommandRunsAScriptOfTheRepository) {
    const std::vector<std::string> commands = readmeCommands();
    ASSERT_FALSE(commands.empty());
    bool emulator = false;
    for (const std::string& command : commands) {
        const std::string program = programOf(command);
        SCOPED_TRACE(command);
        EXPECT_EQ(program.rfind("scripts/", 0), 0u) << "a command a fresh clone cannot run";
        const fs::path script = fs::path(CORVANEL_SOURCE_DIR) / program;
        ASSERT_TRUE(fs::is_regular_file(script));
        EXPECT_NE(fs::status(script).permissions() & fs::perms::owner_exec, fs::perms::none);
        emulator = emulator || program == "scripts/emulator";
    }
    EXPECT_TRUE(emulator) << "the emulated instrument is started by one command";
}
