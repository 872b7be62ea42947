#include "cli_options.h"

namespace quillex::cli {

const char* const kUsage =
    "usage: quillex-cli compile [--cut] [--date TEXT] [--preset] [-o OUT] [IN.wrk]\n"
    "       quillex-cli save    [--preset] [-o OUT] [IN.wrk]\n"
    "\n"
    "Starts from the default settings, loads IN.wrk as the window does, applies the author\n"
    "preset with --preset, then writes the config (compile; the cut version with --cut) or the\n"
    "work file (save) to OUT or to standard output, in Windows-1251 with CR LF line ends.\n"
    "--date TEXT replaces the current local date and time in the \"Last modified\" line.\n";

ParseResult ParseArguments(const std::vector<std::string>& args) {
    if (args.empty()) return {std::nullopt, "no command given"};
    Options options;
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") return {options, {}};
    if (command == "compile")
        options.command = Command::Compile;
    else if (command == "save")
        options.command = Command::Save;
    else
        return {std::nullopt, "unknown command '" + command + "'"};

    const bool compile = options.command == Command::Compile;
    bool positionalOnly = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::optional<std::string>& target) -> bool {
            if (i + 1 >= args.size() || target) return false;
            target = args[++i];
            return true;
        };
        if (!positionalOnly && arg == "--") {
            positionalOnly = true;
        } else if (!positionalOnly && (arg == "--help" || arg == "-h")) {
            return {Options{}, {}};
        } else if (!positionalOnly && arg == "--preset") {
            options.preset = true;
        } else if (!positionalOnly && compile && arg == "--cut") {
            options.cut = true;
        } else if (!positionalOnly && compile && arg == "--date") {
            if (!value(options.date)) return {std::nullopt, "--date needs one TEXT"};
        } else if (!positionalOnly && arg == "-o") {
            if (!value(options.output)) return {std::nullopt, "-o needs one OUT file"};
        } else if (!positionalOnly && arg.size() > 1 && arg[0] == '-') {
            return {std::nullopt, "unknown option '" + arg + "' for " + command};
        } else if (!options.input) {
            options.input = arg;
        } else {
            return {std::nullopt, "only one work file may be given"};
        }
    }
    return {options, {}};
}

}  // namespace quillex::cli
