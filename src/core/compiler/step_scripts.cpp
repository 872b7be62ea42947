#include "compiler/step_scripts.h"

#include <string_view>
#include <vector>

namespace quillex {
namespace {

struct Step {
    std::string_view alias;
    std::string_view value;  // as the step sets it
    std::string_view shown;  // as the step reports it
};

// Each step sets its value, points the down alias to the next step and the up alias to the
// previous one; the top step has no up, the bottom step no down.
struct Ladder {
    std::string_view variable;  // console variable the steps set
    std::string_view down;
    std::string_view up;
    std::string_view topReport;    // the top step's report command and words
    std::string_view otherReport;  // every other step's
};

std::vector<std::string> Build(const Ladder& ladder, std::span<const Step> steps) {
    std::vector<std::string> lines;
    lines.reserve(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::string& line = lines.emplace_back();
        line.append("ALIAS ").append(steps[i].alias).append(" \"");
        line.append(ladder.variable).append(" ").append(steps[i].value);
        if (i + 1 < steps.size())
            line.append(";ALIAS ").append(ladder.down).append(" ").append(steps[i + 1].alias);
        if (i > 0) line.append(";ALIAS ").append(ladder.up).append(" ").append(steps[i - 1].alias);
        line.append(";").append(i == 0 ? ladder.topReport : ladder.otherReport);
        line.append(" ").append(steps[i].shown).append("\"");
    }
    return lines;
}

constexpr Step kSensitivity[] = {
    {"highsens", "25", "25"}, {"sens23", "23", "23"}, {"sens21", "21", "21"},
    {"sens20", "20", "20"},   {"sens18", "18", "18"}, {"sens16", "16", "16"},
    {"sens15", "15", "15"},   {"sens14", "14", "14"}, {"sens13", "13", "13"},
    {"sens12", "12", "12"},   {"sens11", "11", "11"}, {"sens10", "10", "10"},
    {"sens9", "9", "9"},      {"sens8", "8", "8"},    {"sens7", "7", "7"},
    {"sens5", "5", "5"},      {"sens3", "3", "3"},    {"lowsens", "1", "1"},
};

// Whole volumes are set with ".0" but reported without it.
constexpr Step kVolume[] = {
    {"highvol", "5", "5"},      {"vol3", "3", "3"},         {"vol25", "2.5", "2.5"},
    {"vol2", "2.0", "2"},       {"vol15", "1.5", "1.5"},    {"vol1", "1.0", "1"},
    {"vol07", "0.7", "0.7"},    {"vol05", "0.5", "0.5"},    {"vol03", "0.3", "0.3"},
    {"vol02", "0.2", "0.2"},    {"vol01", "0.1", "0.1"},    {"vol007", "0.07", "0.07"},
    {"vol005", "0.05", "0.05"}, {"vol003", "0.03", "0.03"}, {"vol001", "0.01", "0.01"},
    {"lowvol", "0.0", "0"},
};

}  // namespace

std::span<const std::string> SensitivitySteps() {
    static const std::vector<std::string> lines =
        Build({"sensitivity", "sdown", "sup", "echo Sensitivity", "say Sensitivity"}, kSensitivity);
    return lines;
}

std::span<const std::string> VolumeSteps() {
    static const std::vector<std::string> lines =
        Build({"volume", "vdown", "vup", "echo volume", "echo volume"}, kVolume);
    return lines;
}

}  // namespace quillex
