#include <cstdint>
#include <string>
#include <vector>

#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {
namespace {

enum class Entry : std::uint8_t { Control, Run, Colour, Comment, Blank };

// The console-variable lines in document order. A run is the numbered controls cFirst..cLast.
struct OrderEntry {
    Entry kind;
    std::string_view text = {};  // control name, run prefix or comment
    int first = 0;
    int last = 0;
};

constexpr OrderEntry kOrder[] = {
    {Entry::Control, "c1"},
    {Entry::Control, "frn"},
    {Entry::Run, "c", 2, 12},
    {Entry::Blank},
    {Entry::Run, "c", 13, 19},
    {Entry::Control, "grav"},
    {Entry::Blank},
    {Entry::Run, "c", 20, 31},
    {Entry::Run, "c", 55, 56},
    {Entry::Blank},
    {Entry::Comment, "// GRAPHIC SETTINGS - If you want delete it!"},
    {Entry::Run, "c", 32, 54},
    {Entry::Comment, "// ----------END OF GRAPHIC----------"},
    {Entry::Blank},
    {Entry::Run, "c", 57, 101},
    {Entry::Colour},
    {Entry::Blank},
};

// One resolved line of the order: a setting line with its console name (the control's caption),
// a comment or a blank line.
enum class LineKind : std::uint8_t { Flag, Text, Item, Colour, Comment, Blank };

struct Op {
    LineKind kind;
    FieldId id = 0;
    std::string_view text = {};
};

LineKind LineOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Check:
            return LineKind::Flag;
        case FieldKind::Combo:
            return LineKind::Item;
        default:
            return LineKind::Text;
    }
}

std::vector<Op> Resolve() {
    std::vector<Op> ops;
    auto control = [&ops](FieldId id) {
        ops.push_back({LineOf(Field(id).kind), id, Field(id).caption});
    };
    for (const OrderEntry& e : kOrder) {
        switch (e.kind) {
            case Entry::Control:
                control(FieldIdOf(e.text));
                break;
            case Entry::Run:
                for (int n = e.first; n <= e.last; ++n) control(RowField(e.text, n));
                break;
            case Entry::Colour:
                ops.push_back({LineKind::Colour, fields::Get().r, Field(fields::Get().r).caption});
                break;
            case Entry::Comment:
                ops.push_back({LineKind::Comment, 0, e.text});
                break;
            case Entry::Blank:
                ops.push_back({LineKind::Blank});
                break;
        }
    }
    return ops;
}

const std::vector<Op>& Order() {
    static const std::vector<Op> ops = Resolve();
    return ops;
}

std::string_view SelectedItem(const Settings& s, FieldId id) {
    const int index = s.Number(id);
    return index >= 0 && index < static_cast<int>(std::size(kTextureModes)) ? kTextureModes[index]
                                                                            : std::string_view{};
}

// The three spin edits in decimal, unlimited, separated by single spaces.
std::string ColourValue(const Settings& s) {
    const fields::Ids& f = fields::Get();
    const Decimal r(s.Number(f.r)), g(s.Number(f.g)), b(s.Number(f.b));
    std::string value;
    value.append(r).append(1, ' ').append(g).append(1, ' ').append(b);
    return value;
}

}  // namespace

void WriteHeader(ConfigWriter& w, const Settings& s, std::string_view dateTime) {
    const fields::Ids& f = fields::Get();
    const std::string& clan = s.Text(f.Clan);
    w.Line("// Generated with \"Counter-Strike QUILLEX by VARGANT [TALONS]\"");
    w.Line({"// Last modified: ", dateTime});
    w.Blank();
    if (clan.empty())
        w.Line({"// \t\t\tКонфиг ", s.Text(f.Nick), "'a для Counter-Strike"});
    else
        w.Line({"// \t\t\tКонфиг ", s.Text(f.Nick), "'a [", clan, "] для Counter-Strike"});
    w.Line({"// Мой E-mail: ", s.Text(f.email)});
    w.Line({"// Мой Сайт: ", s.Text(f.site)});
    w.Blank();
    w.Line(std::string_view{});
    w.Blank();
    w.Line("// SETTINGS");
    w.Blank();
}

void WriteSettingsSection(ConfigWriter& w, const Settings& s) {
    const fields::Ids& f = fields::Get();
    const std::string& nick = s.Text(f.Nick);
    const std::string& clan = s.Text(f.Clan);
    w.Line("unbindall");
    w.Line("clear");
    if (clan.empty()) {
        w.Setting("name", nick);
    } else {
        std::string name;
        name.reserve(nick.size() + clan.size() + 3);
        name.append(nick).append(" [").append(clan).append("]");
        w.Setting("name", name);
    }
    w.Setting("sensitivity", Decimal(s.Number(f.TrackBar1)));
    w.Setting("zoom_sensitivity_ratio", TenthsValue(s.Number(f.TrackBar2)));
    w.Setting("volume", TenthsValue(s.Number(f.TrackBar3)));
    w.Setting("hostname", s.Text(f.Edit2));
    w.Blank();

    for (const Op& op : Order()) {
        switch (op.kind) {
            case LineKind::Flag:
                w.Setting(op.text, BoolDigit(s.Flag(op.id)));
                break;
            case LineKind::Text:
                w.Setting(op.text, s.Text(op.id));
                break;
            case LineKind::Item:
                w.Setting(op.text, SelectedItem(s, op.id));
                break;
            case LineKind::Colour:
                w.Setting(op.text, ColourValue(s));
                break;
            case LineKind::Comment:
                w.Comment(op.text);
                break;
            case LineKind::Blank:
                w.Blank();
                break;
        }
    }
}

}  // namespace quillex
