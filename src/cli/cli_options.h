#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillex::cli {

enum class Command { Compile, Save, Help };

struct Options {
    Command command = Command::Help;
    bool cut = false;
    bool preset = false;
    std::optional<std::string> date;    // text of the "Last modified" line, used verbatim
    std::optional<std::string> output;  // file to write; stdout when absent
    std::optional<std::string> input;   // work file to load first
};

struct ParseResult {
    std::optional<Options> options;  // empty on a usage error
    std::string error;               // what was wrong, for the usage message
};

ParseResult ParseArguments(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace quillex::cli
