#include "user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "form_texts.h"

namespace {

void Box(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> RunFileDialog(QWidget* parent, FileDialogState& state,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, state.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(state.filters);
    dialog.setDefaultSuffix(state.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !state.confirmOverwrite);
    if (!state.fileName.isEmpty()) dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    state.fileName = dialog.selectedFiles().front();
    return state.fileName;
}

}  // namespace

void QtUserDialogs::Message(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::NoIcon, kApplicationTitle, text);
}

void QtUserDialogs::Information(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Information, "Information", text);
}

void QtUserDialogs::Error(QWidget* parent, const QString& title, const QString& text) {
    Box(parent, QMessageBox::Critical, title, text);
}

bool QtUserDialogs::Question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::Folder(QWidget* parent, const QString& text) {
    QFileDialog dialog(parent, text,
                       QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

std::optional<QString> QtUserDialogs::OpenFile(QWidget* parent, FileDialogState& dialog) {
    return RunFileDialog(parent, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::SaveFile(QWidget* parent, FileDialogState& dialog) {
    return RunFileDialog(parent, dialog, QFileDialog::AcceptSave);
}

std::optional<QColor> QtUserDialogs::Colour(QWidget* parent, const QColor& initial,
                                            std::span<const QColor> customColours) {
    int index = 0;
    for (const QColor& colour : customColours) {
        if (index < QColorDialog::customCount()) QColorDialog::setCustomColor(index++, colour);
    }
    // The toolkit's own dialog always shows its custom colours; the platform one may not.
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QColor chosen = dialog.selectedColor();
    chosen.setAlpha(255);
    return chosen;
}
