#include "model/schema.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/fields.h"

namespace quillex {
namespace {

// A console-variable row of the first two tabs: a check box or an edit whose caption is the
// console name. Edits get the companion label "<name>t" unless labelName says otherwise.
struct VarRow {
    FieldKind kind;
    std::string_view name;
    std::string_view caption;
    std::string_view defaultValue;  // "1"/"0" for check boxes, the text for edits
    std::string_view hint;
    std::string_view labelHint = {};
    std::string_view labelName = {};
};

struct VarGroup {
    Page page;
    std::string_view caption;
    std::initializer_list<VarRow> rows;
};

constexpr auto C = FieldKind::Check;
constexpr auto E = FieldKind::Edit;

constexpr std::string_view kLatinOnly = "Можно использовать только английские буквы";
constexpr std::string_view kMayOmit = "Можно не писать";
constexpr std::string_view kPerformance = "Для улучшения производительности - нужно разрешить";
constexpr std::string_view kSoundQuality = "Поддержка очень высокого качества звука";
constexpr std::string_view kQualitySlower = "Чем меньше значение, тем выше качество, но медленнее";
constexpr std::string_view kMoreBetter = "Чем больше, тем лучше качество";
constexpr std::string_view kBrightness = "яркость";
constexpr std::string_view kColourHint = "Изменяйте значения и смотрите на получившийся цвет выше";
constexpr std::string_view kMainMisc = " Разное: ";

const VarGroup kMainMiscGroup{Page::Main, kMainMisc, {
    {C, "c97", "console", "1", "Разрешить/Запретить консоль"},
    {C, "c98", "joystick", "0", "Разрешить/Запретить джойстик"},
    {C, "c101", "crosshair", "1", "Разрешить/Запретить прицел"},
    {C, "frn", "mp_friendlyfire", "1", "Разрешить/Запретить убивать игроков из твоей команды"},
    {E, "c99", "bgmvolume", "1", ""},
    {E, "c100", "suitvolume", "0.25", ""},
    {E, "grav", "sv_gravity", "800", "Гравитация (нормальная - 800)",
     "Гравитация (нормальная - 800)", "gravl"},
}};

const VarGroup kExtraGroups[] = {
    {Page::Extra, " Настройки MultiPlayer'a: ", {
        {C, "c1", "mp_forcechasecam", "1", "Разрешить/Запретить просмотр после смерти только своей команды"},
        {C, "c2", "mp_autoteambalance", "0", "Разрешить/Запретить автоматически уравновешивать количество игроков в командах"},
        {C, "c3", "mp_autokick", "1", "Разрешить/Запретить Автоматически за нарушение выбрасывать игроков"},
        {C, "c4", "mp_chasecam", "1", "Только камера"},
        {C, "c5", "mp_footsteps", "1", "Разрешить/Запретить шаги"},
        {C, "c6", "mp_flashlight", "1", "Разрешить/Запретить фонарики"},
        {E, "c7", "mp_freezetime", "0", "Время заморозки в начале раунда (в секундах)"},
        {E, "c8", "mp_hostagepenalty", "3", "После скольки убийств заложников игрока выбросят с сервера"},
        {E, "c9", "mp_roundtime", "4", "Время раунда (в минутах)"},
        {E, "c10", "mp_timelimit", "60", "Время прокрутки карт (в минутах)", "Время прокрутки карт"},
        {E, "c11", "mp_decals", "300", "Количество дырок"},
        {E, "c12", "mp_c4timer", "45", "Время в секундах до взрыва бомбы C4"},
    }},
    {Page::Extra, " Настроки сервера: ", {
        {C, "c13", "sv_cheats", "0", "Разрешить/Запретить чит-коды на сервере"},
        {C, "c14", "sv_aim", "0", "Разрешить/Запретить автоприцеливание"},
        {C, "c15", "sv_unlag", "1", ""},
        {C, "c16", "sv_unlagsamples", "1", ""},
        {C, "c17", "sv_allowdownload", "1", "Разрешить/Запретить закачку ресурсов клиента на сервер"},
        {C, "c18", "sv_allowupload", "1", "Разрешить/Запретить скачку ресурсов сервера к клиенту"},
        {E, "c19", "sv_unlagmax", "0.5", ""},
    }},
    {Page::Extra, " Настройки клиента: ", {
        {C, "c20", "cl_messages", "1", "Разрешить/Запретить показ сообщений сервера"},
        {C, "c21", "cl_showfps", "1", "Разрешить/Запретить показ кадров в секунду в левом верхнем углу"},
        {C, "c22", "cl_observercrosshair", "1", "Прицел наблюдателя"},
        {C, "c23", "cl_download_ingame", "1", "Разрешить/Запретить скачивание ресурсов в игре"},
        {C, "c24", "cl_allowdownload", "1", "Разрешить/Запретить закачку ресурсов с сервера"},
        {C, "c25", "cl_allowupload", "1", "Разрешить/Запретить закачку ресурсов на сервер"},
        {C, "c26", "cl_lc", "1", kPerformance},
        {C, "c27", "cl_lw", "1", kPerformance},
        {C, "c28", "cl_lb", "1", kPerformance},
        {C, "c29", "cl_resend", "1", ""},
        {C, "c30", "cl_nodelta", "0", ""},
        {C, "c31", "cl_nopred", "0", ""},
        {E, "c55", "cl_cmdbackup", "2", ""},
        {E, "c56", "cl_cmdrate", "60", "Это значение должно равняться кадрам в секунду"},
    }},
    {Page::Extra, " Настройки видео: ", {
        {C, "c32", "r_mmx", "1", "Разрешить/Запретить поддержку ММХ"},
        {C, "c33", "r_drawentities", "1", ""},
        {C, "c34", "r_traceglow", "0", ""},
        {C, "c35", "r_wateralpha", "1", ""},
        {C, "c36", "gl_wateramp", "0", ""},
        {C, "c37", "cl_predict_players", "1", ""},
        {C, "c38", "scr_transparentui", "1", ""},
        {C, "c39", "precache", "1", ""},
        {C, "c40", "r_mirroralpha", "0", "Разрешить/Запретить отображение логотипов на стенах"},
        {C, "c41", "r_decals", "0", "Разрешить/Запретить отображение дырок на стенах"},
        {C, "c42", "r_drawviewmodel", "1", "Разрешить/Запретить показ оружия в руке"},
        {C, "c43", "cl_himodels", "0", "Разрешить/Запретить показ моделей игроков высокого качества"},
        {C, "c44", "gl_monolights", "1", "Разрешить/Запретить отображение всех источников света монохромными"},
        {C, "c45", "gl_overbright", "1", "Разрешить/Запретить сверхяркость"},
        {C, "c46", "gl_smoothmodels", "1", "Разрешить/Запретить сглаживание моделей"},
        {C, "c47", "gl_dither", "1", "Разрешить/Запретить сглаживание"},
        {C, "c48", "r_shadows", "0", "Разрешить/Запретить тени игроков"},
        {E, "c49", "gl_max_size", "4", "Если ниже чем 256, - то качество текстур плохое"},
        {E, "c50", "fastsprites", "2", "Если 0, то дым выглядит отлично; а если 2, то ужасно"},
        {E, "c51", "gl_round_down", "3", "Чем больше значение, тем выше качество, но медленнее"},
        {E, "c52", "gl_playermip", "2", kQualitySlower},
        {E, "c53", "gl_picmip", "2", kQualitySlower},
    }},
    {Page::Extra, kMainMisc, {
        {E, "c57", "scr_conspeed", "9999", "Скорость выпадания консоли"},
        {E, "c58", "fps_max", "60", "Максимально кадров в секунду"},
        {E, "c59", "fps_modem", "30", "Максимально кадров в секунду по модему"},
        {E, "c60", "fps_lan", "60", "Максимально кадров в секунду в Локалке"},
        {E, "c61", "m_pitch", "0.022", ""},
        {E, "c62", "m_yaw", "0.022", ""},
        {E, "c63", "m_forward", "1", ""},
        {E, "c64", "m_side", "0.8", ""},
        {C, "c65", "m_filter", "1", "Фильтр мыши"},
        {C, "c66", "s_a3d", "0", kSoundQuality},
        {C, "c67", "s_eax", "0", kSoundQuality},
        {E, "c68", "net_graphwidth", "192", ""},
        {E, "c69", "net_graphpos", "1", ""},
        {E, "c70", "net_graph", "0", ""},
        {C, "c71", "violence_ablood", "1", ""},
        {C, "c72", "violence_agibs", "1", ""},
        {C, "c73", "violence_hgibs", "1", ""},
        {C, "c74", "setinfo dm", "0", "Разрешить/Запретить описание карт перед раундом"},
        {C, "c75", "setinfo lefthand", "0", "Разрешить/Запретить оружие в левой руке"},
        {C, "c76", "setinfo ah", "0", "Разрешить/Запретить автопомощь"},
        {C, "c77", "setinfo vgui_menus", "0", "Разрешить/Запретить показ меню VGUI"},
        {C, "c78", "hud_takesshots", "0", ""},
        {C, "c79", "hud_fastswitch", "1", "Разрешить/Запретить быстрое переключение оружия"},
        {C, "c80", "hud_capturemouse", "1", ""},
        {C, "c81", "hud_centerid", "1", "Разрешить/Запретить имя игрока по центру"},
        {C, "c82", "hud_classautokill", "1", ""},
        {E, "c83", "hud_saytext_time", "30", "Время (в секундах) в течении которого отображаются реплики игроков"},
        {E, "c84", "rate", "20000", "Для локалки должно быть - 20000, для модема - 2000-3000"},
        {E, "c85", "pushlatency", "-20", "Должно быть равно: - (пинг / 2)"},
        {E, "c86", "maxplayers", "30", "Максимум игроков на сервере"},
        {E, "c87", "brightness", "10", kBrightness},
        {E, "c88", "gamma", "10", kBrightness},
        {C, "c89", "gunsmoke", "1", "Разрешить/Запретить ДЫМЯЩЕЕСЯ ОРУЖИЕ"},
        {C, "c90", "in_mouse", "1", ""},
        {C, "c91", "lookspring", "1", ""},
        {C, "c92", "lookstrafe", "0", ""},
        {C, "c93", "hisound", "0", "Разрешить/Запретить качественный звук"},
        {E, "c94", "max_shells", "0", kMoreBetter},
        {E, "c95", "max_smokepuffs", "0", kMoreBetter},
        {C, "c96", "tracker", "0", ""},
    }},
};

constexpr ActionRow kActions[kActionRows] = {
    {"Меню покупок", "b", "buy", "buy"},
    {"Куп. перв. патр.", ",", "buyammo1", "buyammo1"},
    {"Куп. втор. патр.", ".", "buyammo2", "buyammo2"},
    {"Покупка экипир.", "o", "buyequip", "buyequip"},
    {"Выбор команды", "m", "chooseteam", "chooseteam"},
    {"Стд. радио сообщ", "z", "radio1", "radio1"},
    {"груп. р. сообщ.", "x", "radio2", "radio2"},
    {"радиответы", "c", "radio3", "radio3"},
    {"очки н. видения", "n", "nightvision", "nightvision"},
    {"огонь", "MOUSE1", "+attack", "+attack"},
    {"Глуш., прибл.", "MOUSE2", "+attack2", "+attack2"},
    {"Перезарядка", "r", "+reload", "+reload"},
    {"Бросить оружие", "g", "drop", "drop"},
    {"Пред. оружие", "[", "invprev", "invprev"},
    {"След. оружие", "]", "invnext", "invnext"},
    {"Посл. оружие", "q", "lastinv", "lastinv"},
    {"Использовать", "e", "+use", "+use"},
    {"Фонарик", "f", "impulse 100", "impulse 100"},
    {"Рисов. логотип", "t", "impulse 201", "impulse 201"},
    {"Вперёд", "w", "+forward", "+forward"},
    {"Назад", "s", "+back", "+back"},
    {"Сообщ. команде", "u", "messagemode2", "messagemode2"},
    {"Скриншот", "F5", "screenshot", "screenshot"},
    {"Сдвиг влево", "a", "+moveleft", "+moveleft"},
    {"Сдвиг вправо", "d", "+moveright", "+moveright"},
    {"Прыжок", "SPACE", "+jump", "+jump"},
    {"Прыжок+Прис.", "", "+sjump", "+sjump", "Прыжок+Приседание"},
    {"Присесть", "CTRL", "+duck", "+duck"},
    {"Плыть вверх", "'", "+moveup", "+moveup"},
    {"Плыть вниз", "/", "+movedown", "+movedown"},
    {"Меню 0", "0", "slot10", "slot10"},
    {"Меню 1", "1", "slot1", "slot1"},
    {"Меню 2", "2", "slot2", "slot2"},
    {"Меню 3", "3", "slot3", "slot3"},
    {"Меню 4", "4", "slot4", "slot4"},
    {"Меню 5", "5", "slot5", "+plant_c4"},
    {"Меню 6", "6", "slot6", "slot6"},
    {"Меню 7", "7", "slot7", "slot7"},
    {"Меню 8", "8", "slot8", "slot8"},
    {"Меню 9", "9", "slot9", "slot9"},
    {"Показать счет", "TAB", "+showscores", "+showscores"},
    {"Сообщ. всем", "y", "messagemode", "messagemode"},
};

constexpr std::string_view kPlantHint = "Эта клавиша ставит бомбу С4 (Нажать и держать!)";
constexpr std::string_view kStandardGroup = " Стандартные ";
constexpr std::string_view kMessagesGroup = " Сообщения: ";
constexpr std::string_view kNicksGroup = " Смена ников во время игры ";
constexpr std::string_view kQuickChangeGroup = " Быстрая смена значения опр. параметра ";
constexpr std::string_view kMessageHint = "Нажимай правую кнопку...";
constexpr std::string_view kBuyListHint = "Например: 4_1;say_team [KALASH-RULLEZZ!!]";

struct LabelledKey {
    std::string_view name;
    std::string_view label;
};

constexpr LabelledKey kScriptKeys[] = {
    {"v1", "Увеличить громкость:"},
    {"v2", "Уменьшить громкость:"},
    {"v3", "Увеличить чувств. мыши:"},
    {"v4", "Уменьшить чувств. мыши:"},
    {"v5", "Следующая фраза:"},
    {"h", "Включить/Выключить HEADSHOT"},
    {"c", "Изменить цвет прицела (adjust_crosshair):"},
    {"net1", "Показать/Убрать состояние соединения №1"},
    {"net2", "Показать/Убрать состояние соединения №2"},
};

class Schema {
public:
    Schema() {
        AddMainTab();
        AddVarGroup(kMainMiscGroup);
        AddColour();
        for (const VarGroup& group : kExtraGroups) {
            AddVarGroup(group);
            if (group.caption == " Настройки видео: ") AddTextureMode(group.caption);
        }
        AddKeysTab();
        AddScriptsTab();
        AddBuyTab();
        for (FieldId id = 0; id < defs_.size(); ++id) byName_.emplace(defs_[id].name, id);
    }

    std::vector<FieldDef> defs_;
    std::unordered_map<std::string_view, FieldId> byName_;

private:
    std::string_view Keep(std::string text) { return names_.emplace_back(std::move(text)); }

    void Add(FieldDef def) { defs_.push_back(def); }

    static FieldDef Text(FieldKind kind, Page page, std::string_view group, std::string_view name,
                         std::string_view caption, std::string_view defaultText,
                         std::string_view hint = {}) {
        return {name, kind, page, group, caption, {}, hint, {}, defaultText, 0, 0, 0};
    }

    void AddMainTab() {
        const Page p = Page::Main;
        Add(Text(E, p, {}, "Nick", "Твоё имя (ник):", "VOvIrU", kLatinOnly));
        Add(Text(E, p, {}, "Clan", "Ваш клан:", "", kLatinOnly));
        Add(Text(E, p, {}, "email", "Твой E-mail:", "", kMayOmit));
        Add(Text(E, p, {}, "site", "Твой сайт:", "", kMayOmit));
        AddTrackBar("TrackBar1", "Чувствительность мыши:", 8, 1, 25);
        AddTrackBar("TrackBar2", "Чувствительность мыши при зуме:", 10, 1, 10);
        AddTrackBar("TrackBar3", "Громкость:", 7, 0, 10);
        Add(Text(E, p, {}, "Edit2", "Имя сервера:", "VOvIrU's CS Server"));
        Add(Text(FieldKind::Memo, p, {}, "talk",
                 "Разговор (Когда нечего делать :-)) - эти фразы\n"
                 "циклически выводятся при нажатии на определённую клавишу",
                 "", "Просто напишите несколько строк"));
    }

    void AddTrackBar(std::string_view name, std::string_view label, int def, int min, int max) {
        Add({name, FieldKind::TrackBar, Page::Main, {}, label, {}, {}, {}, {}, def, min, max});
    }

    void AddVarGroup(const VarGroup& group) {
        for (const VarRow& row : group.rows) {
            FieldDef def{row.name, row.kind, group.page, group.caption, row.caption, {},
                         row.hint, row.labelHint, {}, 0, 0, 0};
            if (row.kind == FieldKind::Check) {
                def.defaultNumber = row.defaultValue == "1" ? 1 : 0;
                def.max = 1;
            } else {
                def.defaultText = row.defaultValue;
                def.labelName =
                    row.labelName.empty() ? Keep(std::string(row.name) + "t") : row.labelName;
            }
            Add(def);
        }
    }

    void AddColour() {
        constexpr std::string_view kNames[] = {"r", "g", "b"};
        constexpr std::string_view kDefaults[] = {"0", "175", "255"};
        for (int i = 0; i < 3; ++i) {
            Add({kNames[i], FieldKind::Spin, Page::Main, kMainMisc, "con_color", "c102t",
                 kColourHint, "Цвет консоли", kDefaults[i], 0, 0, 255});
        }
    }

    void AddTextureMode(std::string_view group) {
        std::string hint;
        for (std::string_view mode : kTextureModes) hint.append(mode).append("\n");
        Add({"c54", FieldKind::Combo, Page::Extra, group, "gl_texturemode", "c54t", Keep(hint),
             "Режим отображения текстур (по умолчанию - самый лучший, самый плохой №1)", {}, 1,
             -1, 3});
    }

    void AddKey(Page page, std::string_view group, std::string_view name, std::string_view label,
                std::string_view def = {}, std::string_view hint = {},
                std::string_view labelHint = {}) {
        Add({name, FieldKind::Key, page, group, label, {}, hint, labelHint, def, 0, 0, 0});
    }

    void AddKeysTab() {
        for (int k = 1; k <= kActionRows; ++k) {
            const ActionRow& row = kActions[k - 1];
            AddKey(Page::Keys, kStandardGroup, Keep("b" + std::to_string(k)), row.label,
                   row.defaultKey, {}, row.labelHint);
        }
        for (int k = 1; k <= kActionRows; ++k) {
            AddKey(Page::Keys, kStandardGroup, Keep("bn" + std::to_string(k)),
                   kActions[k - 1].label, {}, k == 36 ? kPlantHint : std::string_view{});
        }
    }

    void AddScriptsTab() {
        const Page p = Page::Scripts;
        for (int n = 1; n <= kMessageRows; ++n)
            AddKey(p, kMessagesGroup, Keep("g" + std::to_string(n)), {});
        for (int n = 1; n <= kMessageRows; ++n) {
            const std::string name = (n <= 10 ? "m" : "ms") + std::to_string(n);
            Add(Text(E, p, kMessagesGroup, Keep(name), {}, "", kMessageHint));
        }
        for (int n = 1; n <= kNickSwitches; ++n) {
            const std::string_view name = Keep("nick" + std::to_string(n));
            Add(Text(E, p, kNicksGroup, name, name, ""));
        }
        for (const LabelledKey& key : kScriptKeys) AddKey(p, {}, key.name, key.label);
        Add({"h1", C, p, {}, "Включить в конфиг скрипт HEADSHOT", {},
             "Этот скрипт, если научится его использовать, помогает попадать в голову", {}, {}, 0,
             0, 1});
        Add({"h2", C, p, {}, "Заменить приседание", {},
             "Замена обычного приседания специальным из скрипта", {}, {}, 0, 0, 1});
        AddKey(p, kQuickChangeGroup, "czn1", "№1:");
        AddKey(p, kQuickChangeGroup, "czn2", "№2:");
        Add(Text(E, p, kQuickChangeGroup, "zn1", "№1:", ""));
        Add(Text(E, p, kQuickChangeGroup, "zn2", "№2:", ""));
    }

    void AddBuyTab() {
        for (int n = 1; n <= kBuyRows; ++n)
            AddKey(Page::Buy, {}, Keep("z" + std::to_string(n)), "Клавиша");
        for (int n = 1; n <= kBuyRows; ++n) {
            Add(Text(E, Page::Buy, {}, Keep("zx" + std::to_string(n)), "Список покупок", "",
                     kBuyListHint));
        }
    }

    std::deque<std::string> names_;
};

const Schema& TheSchema() {
    static const Schema schema;
    return schema;
}

}  // namespace

std::span<const FieldDef> Fields() { return TheSchema().defs_; }

const FieldDef& Field(FieldId id) { return TheSchema().defs_.at(id); }

std::optional<FieldId> FindField(std::string_view name) {
    const auto& map = TheSchema().byName_;
    if (auto it = map.find(name); it != map.end()) return it->second;
    return std::nullopt;
}

FieldId FieldIdOf(std::string_view name) {
    if (auto id = FindField(name)) return *id;
    throw std::out_of_range("no setting control named " + std::string(name));
}

FieldId RowField(std::string_view prefix, int n) {
    return FieldIdOf(std::string(prefix) + std::to_string(n));
}

FieldId MessageField(int row) { return RowField(row <= 10 ? "m" : "ms", row); }

std::span<const ActionRow> ActionRows() { return kActions; }

namespace fields {

const Ids& Get() {
    static const Ids ids{
        FieldIdOf("Nick"), FieldIdOf("Clan"), FieldIdOf("email"), FieldIdOf("site"),
        FieldIdOf("TrackBar1"), FieldIdOf("TrackBar2"), FieldIdOf("TrackBar3"),
        FieldIdOf("Edit2"), FieldIdOf("talk"), FieldIdOf("r"), FieldIdOf("g"), FieldIdOf("b"),
        FieldIdOf("grav"), FieldIdOf("c54"), FieldIdOf("frn"), FieldIdOf("v1"), FieldIdOf("v2"),
        FieldIdOf("v3"), FieldIdOf("v4"), FieldIdOf("v5"), FieldIdOf("h"), FieldIdOf("c"),
        FieldIdOf("net1"), FieldIdOf("net2"), FieldIdOf("h1"), FieldIdOf("h2"),
        FieldIdOf("czn1"), FieldIdOf("czn2"), FieldIdOf("zn1"), FieldIdOf("zn2")};
    return ids;
}

}  // namespace fields
}  // namespace quillex
