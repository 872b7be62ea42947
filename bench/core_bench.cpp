// Compile and work-file benchmarks on a realistic state: the author preset, every key field
// set, the headshot script on and a 20-line talk memo.
#include <benchmark/benchmark.h>

#include "compiler/config_compiler.h"
#include "model/schema.h"
#include "model/settings.h"
#include "text/cp1251.h"
#include "workfile/author_preset.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace quillex {
namespace {

Settings RealisticSettings() {
    Settings s;
    ApplyAuthorPreset(s);
    for (const FieldDef& def : Fields()) {
        if (def.kind == FieldKind::Key && s.Text(FieldIdOf(def.name)).empty())
            s.Set(FieldIdOf(def.name), "KP_INS");
    }
    for (int i = 1; i <= 20; ++i)
        s.AppendLine(FieldIdOf("talk"), "Фраза номер " + std::to_string(i) + " :-)");
    s.SetFlag(FieldIdOf("h1"), true);
    s.SetFlag(FieldIdOf("h2"), true);
    return s;
}

constexpr std::string_view kDate = "11.12.2026 12:00:00";

// The compile as the program runs it: one text with a line end after every line.
void BM_CompileFull(benchmark::State& state) {
    const Settings s = RealisticSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(CompileConfigText(s, ConfigVariant::Full, kDate, "\r\n"));
}
BENCHMARK(BM_CompileFull);

void BM_CompileCut(benchmark::State& state) {
    const Settings s = RealisticSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(CompileConfigText(s, ConfigVariant::Cut, kDate, "\r\n"));
}
BENCHMARK(BM_CompileCut);

// The document as a list of lines, a string each.
void BM_CompileFullLines(benchmark::State& state) {
    const Settings s = RealisticSettings();
    for (auto _ : state) benchmark::DoNotOptimize(CompileFull(s, kDate));
}
BENCHMARK(BM_CompileFullLines);

// What a config save writes: the compiled text encoded in Windows-1251.
void BM_CompileFullToFileBytes(benchmark::State& state) {
    const Settings s = RealisticSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EncodeCp1251(CompileConfigText(s, ConfigVariant::Full, kDate, "\r\n")));
    }
}
BENCHMARK(BM_CompileFullToFileBytes);

void BM_WorkFileSave(benchmark::State& state) {
    const Settings s = RealisticSettings();
    for (auto _ : state) benchmark::DoNotOptimize(WorkFileBytes(s));
}
BENCHMARK(BM_WorkFileSave);

void BM_WorkFileLoad(benchmark::State& state) {
    const std::string bytes = WorkFileBytes(RealisticSettings()).bytes;
    Settings s;
    for (auto _ : state) {
        const WorkFileLoad load = ApplyWorkFile(bytes, s);
        benchmark::DoNotOptimize(load);
        if (load.status != WorkFileStatus::Loaded) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_WorkFileLoad);

}  // namespace
}  // namespace quillex
