#include <string_view>

#include "compiler/row_fields.h"
#include "compiler/sections.h"
#include "compiler/step_scripts.h"
#include "model/fields.h"

namespace quillex {
namespace {

constexpr std::string_view kQualityAndMenu[] = {
    "ALIAS hq \"gl_texturemode GL_LINEAR_MIPMAP_LINEAR;r_mirroralpha 1;r_decals 1;cl_himodels "
    "1;fastsprites 0;gl_monolight 0;gl_dither 1;gl_max_size 256;gl_picmip 0;gl_playermip "
    "0;gl_round_down 3;gl_smoothmodels 1;r_shadows 1;r_dynamic 1;gunsmoke 1;r_lightmap "
    "1;gl_alphamin .25\"",
    "ALIAS lq \"gl_texturemode GL_NEAREST_MIPMAP_NEAREST;r_mirroralpha 0;r_decals 0;cl_himodels "
    "0;fastsprites 2;gl_monolight 1;gl_dither 0;gl_max_size 4;gl_picmip 2;gl_playermip "
    "2;gl_round_down 1;gl_smoothmodels 0;r_shadows 0;r_dynamic 0;gunsmoke 0;r_lightmap "
    "0;gl_alphamin 1\"",
    "ALIAS menuselect0 \"wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;slot10\"",
};

// The cut version's plant alias has two spaces after say_team.
constexpr std::string_view kPlantFull =
    "ALIAS \"+plant_c4\" \"radio1; menuselect 1; menuselect0; weapon_c4; +attack; say_team 9I "
    "CTABJIy 6omby - npukpouTe MeH9I!!!\"";
constexpr std::string_view kPlantCut =
    "ALIAS \"+plant_c4\" \"radio1; menuselect 1; menuselect0; weapon_c4; +attack; say_team  9I "
    "CTABJIy 6omby - npukpouTe MeH9I!!!\"";
constexpr std::string_view kPlantRelease =
    "ALIAS \"-plant_c4\" \"-attack; lastinv; say_team O X P A H 9I E M    6 O M b y !\"";

// A network-graph toggle shows or hides the graph and rebinds its key to the opposite alias.
struct NetToggle {
    std::string_view head;
    bool second;  // uses net2 rather than net1
    std::string_view tail;
};

constexpr NetToggle kNetToggles[] = {
    {"ALIAS net1 \"net_graph 1;BIND ", false, " net3\""},
    {"ALIAS net2 \"net_graph 2;BIND ", true, " net4\""},
    {"ALIAS net3 \"net_graph 0;BIND ", false, " net1\""},
    {"ALIAS net4 \"net_graph 0;BIND ", true, " net2\""},
};

constexpr std::string_view kBuyAliases[] = {
    "ALIAS eqip \"buyequip;menuselect 4;buyequip;menuselect 3;buyequip;menuselect 5;buyequip;"
    "menuselect 3;menuselect0\"",
    "ALIAS amos \"buyammo1;buyammo1;buyammo1;buyammo1;buyammo2;buyammo2;buyammo2;buyammo2\"",
    "ALIAS armor1 \"buyequip;menuselect 1;menuselect0\"",
    "ALIAS armor2 \"buyequip;menuselect 2;menuselect0\"",
    "ALIAS kusachki \"buyequip;menuselect 6;menuselect0\"",
    "ALIAS ns \"buyequip;menuselect 7;menuselect0\"",
    "ALIAS all \"buyammo1;buyammo1;buyammo1;buyammo1;buyammo2;buyammo2;buyammo2;buyammo2;"
    "buyequip;menuselect 2;buyequip;menuselect 1;buyequip;menuselect 4;buyequip;menuselect 3;"
    "buyequip;menuselect 5;buyequip;menuselect 3;menuselect0\"",
    "ALIAS 1_56 \"1_6;1_5\"",
    "ALIAS \"+sjump\" \"+jump; wait; +duck\"",
    "ALIAS \"-sjump\" \"-duck; wait; -jump\"",
};

// The volume chain starts where the step vol03 would leave it, whatever the volume setting.
constexpr std::string_view kVolumeStart[] = {"ALIAS vup \"vol05\"", "ALIAS vdown \"vol02\""};

// Items per buy menu: menu a has the shortcuts a_1 .. a_count.
constexpr int kBuyMenuItems[] = {6, 2, 4, 8, 1};

void WriteSensitivitySteps(ConfigWriter& w, int position) {
    w.Lines(SensitivitySteps());
    // Named by arithmetic alone, also where the chain has no such step.
    w.Line({"ALIAS sup \"sens", Decimal(position + 1), "\""});
    w.Line({"ALIAS sdown \"sens", Decimal(position - 1), "\""});
    w.Blank();
}

void WriteVolumeSteps(ConfigWriter& w) {
    w.Lines(VolumeSteps());
    w.Lines(kVolumeStart);
    w.Blank();
}

// ed says the next talk line on each press and wraps to the first after the last.
void WriteTalkCycle(ConfigWriter& w, const std::vector<std::string>& talk) {
    if (talk.empty()) return;
    w.Line("ALIAS ed \"ed1\"");
    const int n = static_cast<int>(talk.size());
    for (int i = 1; i <= n; ++i) {
        const Decimal next(i < n ? i + 1 : 1);
        w.Line({"ALIAS ed", Decimal(i), " \"say ", talk[i - 1], ";ALIAS ed ed", next, "\""});
    }
    w.Blank();
}

void WriteBuyShortcuts(ConfigWriter& w) {
    for (int a = 1; a <= static_cast<int>(std::size(kBuyMenuItems)); ++a) {
        const Decimal menu(a);
        for (int b = 1; b <= kBuyMenuItems[a - 1]; ++b) {
            const Decimal item(b);
            w.Line({"ALIAS ", menu, "_", item, " \"buy;menuselect ", menu, ";menuselect ", item,
                    ";menuselect0\""});
        }
    }
    w.Blank();
}

}  // namespace

void WriteAliasSection(ConfigWriter& w, const Settings& s) {
    const fields::Ids& f = fields::Get();
    w.Comment("// ALIASES");
    w.Blank();
    w.Lines(kQualityAndMenu);
    w.Line(w.IsFull() ? kPlantFull : kPlantCut);
    w.Line(kPlantRelease);
    for (const NetToggle& t : kNetToggles)
        w.Line({t.head, s.Text(t.second ? f.net2 : f.net1), t.tail});
    w.Lines(kBuyAliases);
    for (int n = 1; n <= kNickSwitches; ++n)
        w.Line({"ALIAS nick", Decimal(n), " \"name ", s.Text(Rows().nicks[n - 1]), "\""});
    w.Blank();
    if (w.IsFull()) {
        WriteSensitivitySteps(w, s.Number(f.TrackBar1));
        WriteVolumeSteps(w);
        WriteTalkCycle(w, s.Lines(f.talk));
    }
    WriteBuyShortcuts(w);
}

}  // namespace quillex
