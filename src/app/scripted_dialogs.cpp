#include "scripted_dialogs.h"

#include "form_texts.h"

namespace {

template <typename T>
std::optional<T> Take(std::deque<std::optional<T>>& queue) {
    std::optional<T> answer;
    if (!queue.empty()) {
        answer.swap(queue.front());
        queue.pop_front();
    }
    return answer;
}

}  // namespace

void ScriptedDialogs::Record(Kind kind, const QString& title, const QString& text) {
    shown.push_back({kind, title, text});
    if (onShow) onShow(shown.back());
}

std::size_t ScriptedDialogs::Count(Kind kind) const {
    std::size_t count = 0;
    for (const Shown& box : shown) count += box.kind == kind ? 1 : 0;
    return count;
}

QStringList ScriptedDialogs::Texts(Kind kind) const {
    QStringList texts;
    for (const Shown& box : shown) {
        if (box.kind == kind) texts << box.text;
    }
    return texts;
}

void ScriptedDialogs::Message(QWidget*, const QString& text) {
    Record(Kind::Message, kApplicationTitle, text);
}

void ScriptedDialogs::Information(QWidget*, const QString& text) {
    Record(Kind::Information, "Information", text);
}

void ScriptedDialogs::Error(QWidget*, const QString& title, const QString& text) {
    Record(Kind::Error, title, text);
}

bool ScriptedDialogs::Question(QWidget*, const QString& text) {
    Record(Kind::Question, "Confirm", text);
    if (questionAnswers.empty()) return false;
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::Folder(QWidget*, const QString& text) {
    Record(Kind::Folder, text, text);
    return Take(folders);
}

std::optional<QString> ScriptedDialogs::OpenFile(QWidget*, FileDialogState& dialog) {
    Record(Kind::OpenFile, dialog.title, dialog.fileName);
    std::optional<QString> answer = Take(openFiles);
    if (answer) dialog.fileName = *answer;
    return answer;
}

std::optional<QString> ScriptedDialogs::SaveFile(QWidget*, FileDialogState& dialog) {
    Record(Kind::SaveFile, dialog.title, dialog.fileName);
    std::optional<QString> answer = Take(saveFiles);
    if (answer) dialog.fileName = *answer;
    return answer;
}

std::optional<QColor> ScriptedDialogs::Colour(QWidget*, const QColor& initial,
                                              std::span<const QColor> customColours) {
    lastInitialColour = initial;
    lastCustomColours.assign(customColours.begin(), customColours.end());
    Record(Kind::Colour, {}, initial.name());
    return Take(colours);
}
