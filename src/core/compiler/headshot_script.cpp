#include <string_view>

#include "compiler/row_fields.h"
#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {
namespace {

constexpr std::string_view kPitchAndDeveloper[] = {
    "ALIAS hspitch1 \"ALIAS hspitch hp1\"", "ALIAS hspitch2 \"ALIAS hspitch hp2\"",
    "ALIAS hp1 \"m_pitch 0.022\"",          "ALIAS hp2 \"m_pitch -0.022\"",
    "ALIAS hspitchoff \"m_pitch 0\"",       "ALIAS hslook \"+lookup;wait;-lookup\"",
    "ALIAS devon \"developer 1\"",          "ALIAS devoff \"developer 0\"",
};

constexpr std::string_view kAttacks[] = {
    "ALIAS +hson \"-mlook;centerview;cl_pitchspeed 10;wait;hspitchoff;+attack;hslook\"",
    "ALIAS -hson \"-attack;cl_pitchspeed 150;+mlook\"",
    "ALIAS +hsoff \"+attack\"",
    "ALIAS -hsoff \"-attack\"",
    "ALIAS hsducktogoff \"hsducktogoff2\"",
};

constexpr std::string_view kDuckToggles[] = {
    "ALIAS hsdto1 \"ALIAS hsducktogoff hsducktogoff2\"",
    "ALIAS hsdto2 \"ALIAS hsducktogoff hsducktogoff3\"",
};

constexpr std::string_view kDucks[] = {
    "ALIAS -hsducktog \"hsducktogoff\"",
    "ALIAS +hsduck \"+duck;+hsducktog\"",
    "ALIAS -hsduck \"-duck;-hsducktog\"",
};

}  // namespace

// The switch key flips the attack key between a plain and a headshot attack. Keys are joined in
// as they stand, empty or not.
void WriteHeadshotScript(ConfigWriter& w, const Settings& s) {
    const fields::Ids& f = fields::Get();
    const std::string& toggle = s.Text(f.h);
    const std::string& attack = s.Text(Rows().attackKey);
    w.Line({"UNBIND ", toggle});
    w.Lines(kPitchAndDeveloper);
    w.Line({"ALIAS hson2 \"BIND ", attack, " +hson;BIND ", toggle,
            " hson3;devon;echo HeadShot = ON;devoff;hsdto1\""});
    w.Line({"ALIAS hson3 \"BIND ", attack, " +hsoff;BIND ", toggle,
            " hson2;devon;echo HeadShot = OFF;devoff;hsdto2\""});
    w.Line({"BIND ", toggle, " hson2"});
    w.Lines(kAttacks);
    w.Line({"ALIAS hsducktogoff2 \"BIND ", attack, " -hson\""});
    w.Line({"ALIAS hsducktogoff3 \"BIND ", attack, " -hsoff\""});
    w.Lines(kDuckToggles);
    w.Line({"ALIAS +hsducktog \"BIND ", attack, " +hsoff\""});
    w.Lines(kDucks);
    if (s.Flag(f.h2)) {
        const std::string& duck = s.Text(Rows().duckKey);
        w.Line({"UNBIND ", duck});
        w.Line({"BIND ", duck, " +hsduck"});
    }
    w.Blank();
}

}  // namespace quillex
