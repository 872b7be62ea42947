#pragma once

#include <QString>
#include <vector>

#include "model/fieldsink.h"
#include "model/settings.h"

class QWidget;

// Ties every settings field to its control, found once by objectName under `root`. Reading
// makes a settings snapshot for a compile or a save; writing sets the controls themselves, so
// that their change reactions run as for a user's edit.
class FieldBinding final : public quillex::FieldSink {
  public:
    explicit FieldBinding(QWidget* root);

    // The control of a field, or nullptr when the window has none of the right kind.
    QWidget* Control(quillex::FieldId id) const { return controls_[id]; }
    std::vector<quillex::FieldId> Missing() const;

    quillex::Settings Read() const;

    void SetText(quillex::FieldId id, const std::string& text) override;
    void SetFlag(quillex::FieldId id, bool on) override;
    void SetNumber(quillex::FieldId id, int value) override;
    void SetLines(quillex::FieldId id, const std::vector<std::string>& lines) override;
    void AppendLine(quillex::FieldId id, const std::string& line) override;

  private:
    std::vector<QWidget*> controls_;
};

// A memo's text as the program keeps it: every line followed by a line break.
QString MemoText(const std::vector<std::string>& lines);
