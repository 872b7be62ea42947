#include <string_view>

#include "compiler/row_fields.h"
#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {
namespace {

// A key field and the fixed command it binds.
struct KeyCommand {
    FieldId fields::Ids::*key;
    std::string_view command;
};

// Volume, sensitivity and talk keys: full version only.
constexpr KeyCommand kStepKeys[] = {
    {&fields::Ids::v1, "vup"},   {&fields::Ids::v2, "vdown"}, {&fields::Ids::v3, "sup"},
    {&fields::Ids::v4, "sdown"}, {&fields::Ids::v5, "ed"},
};

constexpr KeyCommand kToggleKeys[] = {
    {&fields::Ids::c, "adjust_crosshair"},
    {&fields::Ids::net1, "net1"},
    {&fields::Ids::net2, "net2"},
};

// A key field bound to whatever its companion edit holds.
struct KeyText {
    FieldId fields::Ids::*key;
    FieldId fields::Ids::*text;
};

constexpr KeyText kFreeCommands[] = {
    {&fields::Ids::czn1, &fields::Ids::zn1},
    {&fields::Ids::czn2, &fields::Ids::zn2},
};

constexpr std::string_view kAuthorNick = "VARGANT";
constexpr std::string_view kAuthorRadioLine =
    "BIND KP_RIGHTARROW \"radio3;menuselect 5;menuselect0;say_team 9I HA mecTe!\"";

constexpr std::string_view kFixedBindings[] = {
    "BIND \"=\" \"podbotmenu\"",
    "BIND \"ESCAPE\" \"escape\"",
    "BIND \"`\" \"toggleconsole\"",
};

}  // namespace

void WriteBindingSection(ConfigWriter& w, const Settings& s) {
    const fields::Ids& f = fields::Get();
    const RowFields& rows = Rows();

    if (w.IsFull()) {
        for (const KeyCommand& k : kStepKeys) w.Bind(s.Text(f.*k.key), k.command);
        w.Blank();
    }

    for (const KeyAndText& m : rows.messages) w.Bind(s.Text(m.key), s.Text(m.text));
    if (s.Text(f.Nick) == kAuthorNick) w.Line(kAuthorRadioLine);
    w.Blank();

    for (const KeyCommand& k : kToggleKeys) w.Bind(s.Text(f.*k.key), k.command);
    for (const KeyText& k : kFreeCommands) w.Bind(s.Text(f.*k.key), s.Text(f.*k.text));
    w.Blank();

    w.Lines(kFixedBindings);

    const auto actions = ActionRows();
    for (std::size_t k = 0; k < actions.size(); ++k) {
        w.BindQuoted(s.Text(rows.actionKeys[k]), actions[k].command);
        w.BindQuoted(s.Text(rows.actionSecondKeys[k]), actions[k].secondCommand);
    }
    w.Blank();

    for (const KeyAndText& z : rows.buys) w.BindQuoted(s.Text(z.key), s.Text(z.text));
    w.Blank();
}

void WriteClosingLines(ConfigWriter& w, const Settings& s) {
    const std::string& nick = s.Text(fields::Get().Nick);
    w.Line("clear");
    w.Line("+mlook");
    w.Line("drawradar");
    w.Line({"echo \"-----= ", nick, " READY TO BATTLE! =-----\""});
    w.Line(
        "echo \"For switch to High quality video - type 'hq', for switch to Low quality video - "
        "type 'lq'\"");
    w.Line(
        "echo \"Also if you want to change your nickname - type nick# (nick1, nick2, "
        "nick3,...,nick6)\"");
    w.Line("developer \"1\"");
    w.Line({"echo \"GOOD LUCK ", nick, "!\""});
    w.Line("developer \"0\"");
}

}  // namespace quillex
