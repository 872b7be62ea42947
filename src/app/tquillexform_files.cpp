// Config output and work-file commands.
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "error_report.h"
#include "field_binding.h"
#include "io/file_io.h"
#include "lost_characters.h"
#include "model/fields.h"
#include "output/config_file.h"
#include "qt_text.h"
#include "tquillexform.h"
#include "workfile/author_preset.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

namespace {

const QString kAutoSaveFirst = QStringLiteral("AutoSave_1.wrk");
const QString kAutoSaveSecond = QStringLiteral("AutoSave_2.wrk");

void WriteOrThrow(const QString& fileName, const std::string& bytes) {
    const quillex::FileWrite write = quillex::WriteFileAtomically(ToUtf8(fileName), bytes);
    if (!write.ok) throw CommandError(ToQString(write.error));
}

}  // namespace

// Writes the output memo as it stands into folder/nick.cfg; returns the characters lost to
// the code page.
static std::size_t WriteConfigInto(const QString& folder, const QString& nick,
                                   const QString& memoText) {
    const QString fileName = ToQString(quillex::ConfigFileName(ToUtf8(folder), ToUtf8(nick)));
    // An empty folder would put the file into the file-system root.
    if (folder.isEmpty()) throw CommandError("Cannot create file " + fileName);
    const quillex::Cp1251Encoded bytes = quillex::MemoFileBytes(ToUtf8(memoText));
    WriteOrThrow(fileName, bytes.bytes);
    return bytes.unmappable;
}

static QString NickText(const FieldBinding& binding) {
    const auto* nick = qobject_cast<const QLineEdit*>(binding.Control(quillex::fields::Get().Nick));
    return nick ? nick->text() : QString();
}

void TQuillexForm::SaveAsClick() {
    const std::optional<QString> folder = dialogs_->Folder(this, "Куда сохранить ваш конфиг?");
    if (!folder) return;
    Path->setText(*folder);
    const std::size_t lost =
        WriteConfigInto(Path->text(), NickText(*binding_), Memo->toPlainText());
    dialogs_->Information(this, "Успешно сохранено!" + LostCharactersNote(lost));
}

void TQuillexForm::SpeedButton1Click() {
    if (SaveAs->isEnabled()) SaveAsClick();
}

void TQuillexForm::SpeedButton2Click() {
    if (!SaveAs->isEnabled()) return;
    const std::size_t lost =
        WriteConfigInto(Path->text(), NickText(*binding_), Memo->toPlainText());
    if (lost > 0) dialogs_->Information(this, "Сохранено." + LostCharactersNote(lost));
}

void TQuillexForm::WRKSave(const QString& fileName) {
    const quillex::Settings settings = Snapshot();
    if (auto reason = quillex::UnstorableReason(settings)) throw CommandError(ToQString(*reason));
    const quillex::Cp1251Encoded file = quillex::WorkFileBytes(settings);
    WriteOrThrow(fileName, file.bytes);
    dialogs_->Message(this,
                      "Успешно сохранено: " + fileName + "!" + LostCharactersNote(file.unmappable));
}

void TQuillexForm::WRKOpen(const QString& fileName) {
    const quillex::FileRead file = quillex::ReadWholeFile(ToUtf8(fileName));
    if (!file.ok) throw CommandError(ToQString(file.error));
    const quillex::WorkFileLoad load = quillex::ApplyWorkFile(file.bytes, Sink());
    switch (load.status) {
        case quillex::WorkFileStatus::Loaded:
            dialogs_->Message(this, "Успешно загружено: " + fileName + "!");
            break;
        case quillex::WorkFileStatus::NotWorkFile:
            dialogs_->Message(this, ToQString(quillex::NotWorkFileMessage(ToUtf8(fileName))));
            break;
        case quillex::WorkFileStatus::ConversionError:
            throw CommandError(ToQString(load.error));
    }
}

void TQuillexForm::OpenWRKClick() {
    if (const std::optional<QString> name = dialogs_->OpenFile(this, OpenDialog)) WRKOpen(*name);
}

void TQuillexForm::SaveWRKClick() {
    if (const std::optional<QString> name = dialogs_->SaveFile(this, SaveDialog)) WRKSave(*name);
}

void TQuillexForm::defaultwrk1Click() {
    WRKOpen(QCoreApplication::applicationDirPath() + QStringLiteral("/default.wrk"));
}

void TQuillexForm::VARGANTa1Click() {
    quillex::ApplyAuthorPreset(Sink());
}

// N3 is a checkable action: Qt has already reversed its tick when this runs. Starting the
// timer again begins a fresh period; the alternation flag keeps its place.
void TQuillexForm::N3Click() {
    if (N3->isChecked())
        Timer->start();
    else
        Timer->stop();
}

// The flag flips only once the save has returned normally, so a failed autosave is retried
// under the same name.
void TQuillexForm::TimerTimer() {
    WRKSave(AutoSaveFirst ? kAutoSaveFirst : kAutoSaveSecond);
    AutoSaveFirst = !AutoSaveFirst;
}

void TQuillexForm::LoadStartupWorkFile(const QString& fileName) {
    QString name = fileName;
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    WRKOpen(name);
}
