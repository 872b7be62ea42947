// quillex-cli: builds configs and work files from work files, without the window.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "compiler/config_compiler.h"
#include "io/file_io.h"
#include "local_time.h"
#include "model/settings.h"
#include "text/cp1251.h"
#include "text/lines.h"
#include "workfile/author_preset.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace quillex::cli {
namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

struct Failure {
    std::string message;  // shown as it stands
};

// Loads the work file exactly as the window does, but any failure is fatal here: a script
// must not get a config built from half a work file.
void LoadWorkFile(const std::string& path, Settings& settings) {
    const FileRead file = ReadWholeFile(path);
    if (!file.ok) throw Failure{WithFullStop(file.error)};
    const WorkFileLoad load = ApplyWorkFile(file.bytes, settings);
    switch (load.status) {
        case WorkFileStatus::Loaded:
            return;
        case WorkFileStatus::NotWorkFile:
            throw Failure{NotWorkFileMessage(path)};
        case WorkFileStatus::ConversionError:
            throw Failure{WithFullStop(load.error)};
    }
}

Cp1251Encoded BuildOutput(const Options& options, const Settings& settings) {
    if (options.command == Command::Save) {
        if (auto reason = UnstorableReason(settings)) throw Failure{WithFullStop(*reason)};
        return WorkFileBytes(settings);
    }
    const ConfigVariant variant = options.cut ? ConfigVariant::Cut : ConfigVariant::Full;
    const std::string date = options.date ? *options.date : LocalDateTimeText();
    return EncodeCp1251(CompileConfigText(settings, variant, date, "\r\n"));
}

void WriteOutput(const Options& options, const std::string& bytes) {
    if (options.output) {
        const FileWrite write = WriteFileAtomically(*options.output, bytes);
        if (!write.ok) throw Failure{WithFullStop(write.error)};
        return;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        throw Failure{"Cannot write to standard output."};
    }
}

int Run(const Options& options) {
    if (options.command == Command::Help) {
        std::cout << kUsage;
        return 0;
    }
    try {
        Settings settings;
        if (options.input) LoadWorkFile(*options.input, settings);
        if (options.preset) ApplyAuthorPreset(settings);
        const Cp1251Encoded output = BuildOutput(options, settings);
        WriteOutput(options, output.bytes);
        if (output.unmappable > 0) {
            std::cerr << "quillex-cli: warning: " << output.unmappable
                      << " character(s) have no Windows-1251 code and were written as \"?\"\n";
        }
        return 0;
    } catch (const Failure& failure) {
        std::cerr << failure.message << '\n';
        return kFailed;
    }
}

}  // namespace
}  // namespace quillex::cli

int main(int argc, char** argv) {
    using namespace quillex::cli;
    const ParseResult parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "quillex-cli: " << parsed.error << "\n" << kUsage;
        return kUsageError;
    }
    return Run(*parsed.options);
}
