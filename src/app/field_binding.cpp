#include "field_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTextCursor>
#include <limits>

#include "model/schema.h"
#include "model/settings.h"
#include "qt_text.h"
#include "text/lines.h"

using quillex::Field;
using quillex::FieldId;
using quillex::FieldKind;

namespace {

bool HasKind(QWidget* widget, FieldKind kind) {
    switch (kind) {
        case FieldKind::Check:
            return qobject_cast<QCheckBox*>(widget) != nullptr;
        case FieldKind::Edit:
        case FieldKind::Key:
            return qobject_cast<QLineEdit*>(widget) != nullptr;
        case FieldKind::TrackBar:
            return qobject_cast<QSlider*>(widget) != nullptr;
        case FieldKind::Spin:
            return qobject_cast<QSpinBox*>(widget) != nullptr;
        case FieldKind::Combo:
            return qobject_cast<QComboBox*>(widget) != nullptr;
        case FieldKind::Memo:
            return qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    }
    return false;
}

template <typename T>
T* As(QWidget* widget) {
    return static_cast<T*>(widget);
}

}  // namespace

QString MemoText(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) text += ToQString(line) + QLatin1Char('\n');
    return text;
}

FieldBinding::FieldBinding(QWidget* root) : controls_(quillex::Fields().size(), nullptr) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty()) continue;
        const std::optional<FieldId> id = quillex::FindField(ToUtf8(name));
        if (id && !controls_[*id] && HasKind(widget, Field(*id).kind)) controls_[*id] = widget;
    }
    // No field has a length limit; QLineEdit's default would cut a loaded text at 32767.
    for (QWidget* control : controls_) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setMaxLength(std::numeric_limits<int>::max());
        }
    }
}

std::vector<FieldId> FieldBinding::Missing() const {
    std::vector<FieldId> missing;
    for (FieldId id = 0; id < controls_.size(); ++id) {
        if (!controls_[id]) missing.push_back(id);
    }
    return missing;
}

quillex::Settings FieldBinding::Read() const {
    quillex::Settings settings;
    // Table order puts Nick before Edit2, so the server name read last wins over the one that
    // setting the nick derives.
    for (FieldId id = 0; id < controls_.size(); ++id) {
        QWidget* control = controls_[id];
        if (!control) continue;
        switch (Field(id).kind) {
            case FieldKind::Check:
                settings.SetFlag(id, As<QCheckBox>(control)->isChecked());
                break;
            case FieldKind::Edit:
            case FieldKind::Key:
                settings.Set(id, ToUtf8(As<QLineEdit>(control)->text()));
                break;
            case FieldKind::TrackBar:
                settings.SetNumber(id, As<QSlider>(control)->value());
                break;
            // The spin edit's value is its text, which the user may have emptied.
            case FieldKind::Spin:
                settings.Set(id, ToUtf8(As<QSpinBox>(control)->text()));
                break;
            case FieldKind::Combo:
                settings.SetNumber(id, As<QComboBox>(control)->currentIndex());
                break;
            case FieldKind::Memo:
                settings.SetLines(
                    id, quillex::SplitLines(ToUtf8(As<QPlainTextEdit>(control)->toPlainText())));
                break;
        }
    }
    return settings;
}

void FieldBinding::SetText(FieldId id, const std::string& text) {
    QWidget* control = controls_[id];
    if (!control) return;
    switch (Field(id).kind) {
        case FieldKind::Edit:
        case FieldKind::Key:
            As<QLineEdit>(control)->setText(ToQString(text));
            break;
        case FieldKind::Spin:
            SetNumber(id, quillex::SpinTextValue(text));
            break;
        default:
            break;
    }
}

void FieldBinding::SetFlag(FieldId id, bool on) {
    if (QWidget* control = controls_[id]; control && Field(id).kind == FieldKind::Check) {
        As<QCheckBox>(control)->setChecked(on);
    }
}

void FieldBinding::SetNumber(FieldId id, int value) {
    QWidget* control = controls_[id];
    if (!control) return;
    const quillex::FieldDef& def = Field(id);
    value = quillex::HeldNumber(def, value);
    switch (def.kind) {
        case FieldKind::TrackBar:
            As<QSlider>(control)->setValue(value);
            break;
        case FieldKind::Spin:
            As<QSpinBox>(control)->setValue(value);
            break;
        case FieldKind::Combo:
            As<QComboBox>(control)->setCurrentIndex(value);
            break;
        default:
            break;
    }
}

void FieldBinding::SetLines(FieldId id, const std::vector<std::string>& lines) {
    if (QWidget* control = controls_[id]; control && Field(id).kind == FieldKind::Memo) {
        As<QPlainTextEdit>(control)->setPlainText(MemoText(lines));
    }
}

void FieldBinding::AppendLine(FieldId id, const std::string& line) {
    if (QWidget* control = controls_[id]; control && Field(id).kind == FieldKind::Memo) {
        auto* memo = As<QPlainTextEdit>(control);
        const QString text = memo->toPlainText();
        const bool openLine = !text.isEmpty() && !text.endsWith(QLatin1Char('\n'));
        QTextCursor cursor(memo->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText((openLine ? QStringLiteral("\n") : QString()) + ToQString(line) +
                          QLatin1Char('\n'));
    }
}
