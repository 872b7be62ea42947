#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shortcut_filter.h"
#include "tquillexform.h"

namespace {

using Handler = void (TQuillexForm::*)();
using ItemMember = QAction* TQuillexForm::*;
using MenuMember = QMenu* TQuillexForm::*;

struct MenuItem {
    ItemMember item;
    const char* name;
    const char* caption;  // null for a separator
    QKeyCombination shortcut;
    bool enabled;
    bool ticked;
    Handler handler;
};

struct MenuSpec {
    MenuMember menu;
    const char* name;
    const char* caption;
    std::initializer_list<MenuItem> items;
};

constexpr QKeyCombination kNone{};

const MenuSpec kMenus[] = {
    {&TQuillexForm::N1,
     "N1",
     "Конфиг",
     {
         {&TQuillexForm::OpenWRK, "OpenWRK", "Загрузить WRK", Qt::CTRL | Qt::Key_O, true, false,
          &TQuillexForm::OpenWRKClick},
         {&TQuillexForm::SaveWRK, "SaveWRK", "Сохранить WRK", Qt::SHIFT | Qt::Key_F12, true, false,
          &TQuillexForm::SaveWRKClick},
         {&TQuillexForm::SaveAs, "SaveAs", "Сохранить конфиг как...", Qt::CTRL | Qt::Key_S, false,
          false, &TQuillexForm::SaveAsClick},
         {&TQuillexForm::Save, "Save", "Сохранить конфиг на все компьютеры в ЖОВ", kNone, false,
          false, &TQuillexForm::SaveClick},
         {&TQuillexForm::Sep1, "Sep1", nullptr, kNone, true, false, nullptr},
         {&TQuillexForm::ExitON, "ExitON", "Выход", kNone, true, false, &TQuillexForm::ExitONClick},
     }},
    {&TQuillexForm::Compile,
     "Compile",
     "Компиляция",
     {
         {&TQuillexForm::FullVers, "FullVers", "Полная версия", QKeyCombination(Qt::Key_F9), true,
          false, &TQuillexForm::FullVersClick},
         {&TQuillexForm::CutedVers, "CutedVers", "Урезаная версия", Qt::CTRL | Qt::Key_F9, true,
          false, &TQuillexForm::CutedVersClick},
     }},
    {&TQuillexForm::misc,
     "misc",
     "Разное",
     {
         {&TQuillexForm::VARGANTa1, "VARGANTa1", "Загрузить настройки VARGANT'a",
          QKeyCombination(Qt::Key_F5), true, false, &TQuillexForm::VARGANTa1Click},
         {&TQuillexForm::defaultwrk1, "defaultwrk1", "Загрузить default.wrk",
          QKeyCombination(Qt::Key_F4), true, false, &TQuillexForm::defaultwrk1Click},
         {&TQuillexForm::N3, "N3", "Автоматическое сохранение", Qt::CTRL | Qt::Key_A, true, true,
          &TQuillexForm::N3Click},
     }},
    {&TQuillexForm::Help,
     "Help",
     "Справка",
     {
         {&TQuillexForm::About, "About", "О программе...", Qt::SHIFT | Qt::Key_F1, true, false,
          &TQuillexForm::AboutClick},
     }},
};

}  // namespace

void TQuillexForm::BuildMenus() {
    QList<QAction*> items;
    for (const MenuSpec& menuEntry : kMenus) {
        QMenu* menu = menuBar()->addMenu(menuEntry.caption);
        menu->setObjectName(menuEntry.name);
        this->*menuEntry.menu = menu;
        for (const MenuItem& entry : menuEntry.items) {
            QAction* action = entry.caption ? menu->addAction(entry.caption) : menu->addSeparator();
            action->setObjectName(entry.name);
            this->*entry.item = action;
            if (!entry.caption) continue;
            if (entry.shortcut != kNone) action->setShortcut(QKeySequence(entry.shortcut));
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.ticked);
            action->setChecked(entry.ticked);
            connect(action, &QAction::triggered, this, Command(entry.handler));
            items << action;
        }
    }
    shortcutFilter_ = std::make_unique<ShortcutOverrideFilter>(this, items);
}
