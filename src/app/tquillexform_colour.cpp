#include <QSpinBox>

#include "colour_swatch.h"
#include "field_binding.h"
#include "model/fields.h"
#include "model/settings.h"
#include "qt_text.h"
#include "tquillexform.h"

namespace {

// A component as the swatch takes it: the spin edit's text read as a number (an emptied or
// unreadable text counts as 0), reduced to its low 8 bits.
int ComponentOf(QWidget* control) {
    auto* spin = qobject_cast<QSpinBox*>(control);
    return spin ? quillex::SpinTextValue(ToUtf8(spin->text())) & 0xFF : 0;
}

}  // namespace

void TQuillexForm::rChange() {
    const auto& ids = quillex::fields::Get();
    Panel1->SetColour(QColor(ComponentOf(binding_->Control(ids.r)),
                             ComponentOf(binding_->Control(ids.g)),
                             ComponentOf(binding_->Control(ids.b))));
}

// The dialog only helps to find a colour: the spin edits, which the compiler reads, keep
// their values whatever is picked.
void TQuillexForm::Panel1Click() {
    if (const std::optional<QColor> picked =
            dialogs_->Colour(this, Panel1->Colour(), kCustomColours)) {
        Panel1->SetColour(*picked);
    }
}
