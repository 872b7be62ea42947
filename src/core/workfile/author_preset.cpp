#include "workfile/author_preset.h"

#include <charconv>
#include <string>

#include "model/schema.h"

namespace quillex {
namespace {

constexpr PresetValue kPreset[] = {
    // Nick first: its change reaction renames the server, which the preset leaves to it.
    {"Nick", "VARGANT"},
    {"Clan", "TALONS"},
    {"email", kAuthorEmail},
    {"site", kAuthorSites},
    {"TrackBar1", "8"},
    {"TrackBar2", "10"},
    {"TrackBar3", "7"},

    {"v1", "u"},
    {"v2", "y"},
    {"v3", "w"},
    {"v4", "q"},
    {"v5", "i"},
    {"h", "KP_ENTER"},
    {"h1", "0"},
    {"h2", "0"},
    {"net1", "m"},
    {"net2", "n"},
    {"czn1", "KP_PLUS"},
    {"czn2", ""},
    {"zn1", "sv_restartround 5;say 4EPE3 5 CEKyHD - CTAPT!!!"},
    {"zn2", ""},
    {"c", "\\"},

    {"nick1", "VARGANT[TALONS]"},
    {"nick2", "V4RG4NT[T4L0N5]"},
    {"nick3", "Mr_V4RG4NT"},
    {"nick4", "KuJIJIep_V4RG4NT"},
    {"nick5", "BAPrAHT"},
    {"nick6", "XA-XA-XA"},

    {"g1", "t"},
    {"m1", "radio2;menuselect 3;menuselect0;say_team DaBauTe Dep>I<aTca BCE BMECTE!!!"},
    {"g2", "j"},
    {"m2", "radio2;menuselect 5;menuselect0;say_team WTypmyem eTux JIAMAKOB!!!"},
    {"g3", "k"},
    {"m3", "say_team 9I B Tpyby!"},
    {"g4", "l"},
    {"m4", "say_team 9I nowoJI B O6xoD!"},
    {"g5", "KP_HOME"},
    {"m5", "radio1;menuselect 1;menuselect0;say_team npukpou meHia!"},
    {"g6", "KP_UPARROW"},
    {"m6", "radio1;menuselect 3;menuselect0;say_team CToum 3Decb!"},
    {"g7", "KP_PGUP"},
    {"m7", "radio1;menuselect 5;menuselect0;say_team CJIeDyuTe 3a MHou!"},
    {"g8", "KP_LEFTARROW"},
    {"m8", "radio1;menuselect 6;menuselect0;say_team Hy>I<Ha nomowb!!!"},
    {"g9", "KP_5"},
    {"m9", "radio2;menuselect 4;menuselect0;say_team BCE no MecTam!"},
    {"g10", "KP_PGDN"},
    {"m10", "radio3;menuselect 8;menuselect0;say_team HuKaK HET!"},
    {"g11", "KP_END"},
    {"ms11", "radio3;menuselect 4;menuselect0;say_team 3Decb Hukoro HET!"},
    {"g12", "KP_DOWNARROW"},
    {"ms12", "radio3;menuselect 1;menuselect0;say_team Tak To4Ho!"},

    {"talk", "!!!!!FUCKING CAMPERS!!!!!"},
    {"talk", "!!!!!Counter-Strike - FOREVER!!!!!"},
    {"talk", "!!!!!Camper-Strike - FOREVER!!!!! :-)"},

    {"b1", "b"},
    {"b2", ","},
    {"b3", "."},
    {"b4", "o"},
    {"b5", "KP_MINUS"},
    {"b6", "z"},
    {"b7", "x"},
    {"b8", "c"},
    {"b9", "KP_SLASH"},
    {"b10", "MOUSE1"},
    {"b11", "ENTER"},
    {"b12", "DEL"},
    {"b13", "END"},
    {"b14", ""},
    {"b15", ""},
    {"b16", "SHIFT"},
    {"b17", "BACKSPACE"},
    {"b18", "PGUP"},
    {"b19", "HOME"},
    {"b20", "UPARROW"},
    {"b21", "DOWNARROW"},
    {"b22", ""},
    {"b23", "PAUSE"},
    {"b24", "LEFTARROW"},
    {"b25", "RIGHTARROW"},
    {"b26", ""},
    {"b27", "MOUSE2"},
    {"b28", "CTRL"},
    {"b29", ""},
    {"b30", ""},
    {"b31", "0"},
    {"b32", "1"},
    {"bn32", "KP_DEL"},
    {"b33", "2"},
    {"bn33", "INS"},
    {"b34", "3"},
    {"bn34", "KP_INS"},
    {"b35", "4"},
    {"bn35", "PGDN"},
    {"b36", "5"},
    {"bn36", "ALT"},
    {"b37", "6"},
    {"b38", "7"},
    {"b39", "8"},
    {"b40", "9"},
    {"b41", "TAB"},
    {"b42", ""},

    {"z1", "F1"},
    {"zx1", "4_1;all;slot3;say_team <<AK47>> - KaJIaW OH u B A9PpuKe KaJIaW!"},
    {"z2", "F2"},
    {"zx2", "4_2;all;slot3;say_team <<SG552>>"},
    {"z3", "F3"},
    {"zx3", "4_3;all;slot3;say_team <<M4A1>>"},
    {"z4", "F4"},
    {"zx4", "4_4;all;slot3;say_team <<AUG>>"},
    {"z5", "F5"},
    {"zx5", "1_3;all;slot3;say_team <<DESERT EAGLE>> - 6e3 KOMMEHTAPuEB!"},
    {"z6", "F6"},
    {"zx6", "1_56;all;slot3;say_team <<FIVE SEVEN|DOUBLE BERETTA>>"},
    {"z7", "F7"},
    {"zx7", "2_2;all;slot3;say_team <<2-2 XM1014>>"},
    {"z8", "F8"},
    {"zx8", "3_1;all;slot3;say_team <<3-1 MP5Navy>> - 3Bepb!!!"},
    {"z9", "F9"},
    {"zx9", "3_3;all;slot3;say_team <<3-3 P90>>"},
    {"z10", "F10"},
    {"zx10", "4_7;4_8;1_3;all;slot3;say_team <<G3-SG1|SG-550 + DESERT EAGLE>>"},
    {"z11", "F11"},
    {"zx11", "4_5;1_3;all;radio1;menuselect 1;menuselect0;slot3;say_team <<MyXA>> :-)"},
    {"z12", "F12"},
    {"zx12",
     "4_6;1_3;all;radio1;menuselect 1;menuselect0;slot3;say_team <<CJIOHuK + DESERT EAGLE>> - "
     "MHE Hy>I<HO npuKpbITuE uHa4e nompy!!! :-("},
    {"z13", "SPACE"},
    {"zx13", "all;slot3;say_team <<ALL AMOS + ALL ARMORS + ALL GRENADES>>"},
    {"z14", "-"},
    {"zx14", "kusachki;say_team <<KyCa4Ku>>"},
};

int NumberOf(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::span<const PresetValue> AuthorPreset() {
    return kPreset;
}

void ApplyAuthorPreset(FieldSink& sink) {
    std::string text;
    for (const PresetValue& entry : kPreset) {
        const FieldId id = FieldIdOf(entry.control);
        text.assign(entry.value);
        switch (Field(id).kind) {
            case FieldKind::Check:
                sink.SetFlag(id, entry.value == "1");
                break;
            case FieldKind::TrackBar:
            case FieldKind::Spin:
            case FieldKind::Combo:
                sink.SetNumber(id, NumberOf(entry.value));
                break;
            case FieldKind::Memo:
                sink.AppendLine(id, text);
                break;
            case FieldKind::Edit:
            case FieldKind::Key:
                sink.SetText(id, text);
                break;
        }
    }
}

}  // namespace quillex
