#pragma once

// Pieces shared by the builders of the three inner pages of the tab "Управление".

#include <QRect>
#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "model/field.h"
#include "qt_text.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace quillex::keyspage {

// Rows of fields share these sizes so that the rows of all three pages line up alike.
inline constexpr int kFieldHeight = 22;
inline constexpr int kClearWidth = 24;

const FieldDef& Def(std::string_view name);
const FieldDef& Def(std::string_view prefix, int n);

// The control of a field: a key-capture edit for key fields, a plain edit otherwise, named,
// filled with its default and carrying its hint.
QLineEdit* AddField(QWidget* parent, const FieldDef& def, const QRect& geometry);
QLabel* AddLabel(QWidget* parent, std::string_view text, const QRect& geometry,
                 std::string_view hint = {});
QGroupBox* AddGroup(QWidget* parent, std::string_view title, const QRect& geometry);

// Keeps `child` reaching to `bottomMargin` above its parent's bottom edge, and also to the right
// edge when `fillWidth`, whenever the parent is resized: the window sizes its tab pages only
// after building them.
void StretchWithParent(QWidget* child, int bottomMargin, bool fillWidth);

// Where each clear button goes, keyed by the name of a field of its row; the buttons are made
// afterwards from the clear-button table, so the page builders never list them.
class ClearSlots {
  public:
    struct Slot {
        QWidget* parent;
        QRect geometry;
    };
    void Add(std::string_view fieldName, QWidget* parent, const QRect& geometry) {
        slots_[std::string(fieldName)] = {parent, geometry};
    }
    const Slot* Find(std::string_view fieldName) const {
        const auto it = slots_.find(std::string(fieldName));
        return it == slots_.end() ? nullptr : &it->second;
    }

  private:
    std::map<std::string, Slot> slots_;
};

void BuildStandardPage(QWidget* page, ClearSlots& clearSlots);
void BuildScriptsPage(QWidget* page, ClearSlots& clearSlots);
void BuildBuyPage(QWidget* page, ClearSlots& clearSlots);

// Makes every clear button of the table in its slot; `root` holds all the fields they empty.
void AddClearButtons(QWidget* root, const ClearSlots& clearSlots);

}  // namespace quillex::keyspage
