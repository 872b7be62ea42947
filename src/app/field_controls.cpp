#include "field_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>

#include "keledit.h"
#include "model/schema.h"
#include "model/settings.h"
#include "qt_text.h"

using quillex::FieldDef;
using quillex::FieldKind;

namespace {

QWidget* CreateCheck(const FieldDef& def, QWidget* parent) {
    auto* box = new QCheckBox(ToQString(def.caption), parent);
    box->setChecked(def.defaultNumber != 0);
    box->setCursor(Qt::PointingHandCursor);
    box->setFixedHeight(kCheckHeight);
    return box;
}

QWidget* CreateEdit(const FieldDef& def, QWidget* parent) {
    auto* edit = def.kind == FieldKind::Key ? new TKelEdit(parent) : new QLineEdit(parent);
    edit->setText(ToQString(def.defaultText));
    edit->setCursorPosition(0);
    return edit;
}

QWidget* CreateTrackBar(const FieldDef& def, QWidget* parent) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(def.min, def.max);
    bar->setSingleStep(1);
    bar->setTickInterval(1);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setValue(def.defaultNumber);
    bar->setCursor(Qt::PointingHandCursor);
    return bar;
}

// A spin edit whose emptied text is a value of its own, the minimum, as every reader takes it;
// QSpinBox would bring back the previous number when the focus leaves.
class SpinEdit final : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int& pos) const override {
        return input.isEmpty() ? QValidator::Acceptable : QSpinBox::validate(input, pos);
    }
    int valueFromText(const QString& text) const override {
        return text.isEmpty() ? minimum() : QSpinBox::valueFromText(text);
    }
};

QWidget* CreateSpin(const FieldDef& def, QWidget* parent) {
    auto* spin = new SpinEdit(parent);
    spin->setRange(def.min, def.max);
    spin->setValue(quillex::SpinTextValue(std::string(def.defaultText)));
    spin->setFixedHeight(kEditHeight + 2);
    return spin;
}

QWidget* CreateCombo(const FieldDef&, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (std::string_view mode : quillex::kTextureModes) combo->addItem(ToQString(mode));
    combo->setCurrentIndex(-1);  // the window selects the default item when it is created
    return combo;
}

QWidget* CreateMemo(const FieldDef&, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

}  // namespace

QWidget* CreateFieldControl(const FieldDef& def, QWidget* parent) {
    QWidget* control = nullptr;
    switch (def.kind) {
        case FieldKind::Check:
            control = CreateCheck(def, parent);
            break;
        case FieldKind::Edit:
        case FieldKind::Key:
            control = CreateEdit(def, parent);
            break;
        case FieldKind::TrackBar:
            control = CreateTrackBar(def, parent);
            break;
        case FieldKind::Spin:
            control = CreateSpin(def, parent);
            break;
        case FieldKind::Combo:
            control = CreateCombo(def, parent);
            break;
        case FieldKind::Memo:
            control = CreateMemo(def, parent);
            break;
    }
    if (def.kind == FieldKind::Edit || def.kind == FieldKind::Key) {
        control->setFixedHeight(kEditHeight);
    }
    control->setObjectName(ToQString(def.name));
    if (!def.hint.empty()) control->setToolTip(ToQString(def.hint));
    return control;
}

QLabel* CreateFieldLabel(const FieldDef& def, QWidget* parent) {
    auto* label = new QLabel(ToQString(def.caption), parent);
    if (!def.labelName.empty()) label->setObjectName(ToQString(def.labelName));
    if (!def.labelHint.empty()) label->setToolTip(ToQString(def.labelHint));
    return label;
}
