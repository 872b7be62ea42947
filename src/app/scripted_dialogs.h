#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "user_dialogs.h"

// Answers every box and dialog from queues and records what was shown; for tests. An empty
// queue answers No or Cancel.
class ScriptedDialogs final : public UserDialogs {
  public:
    enum class Kind { Message, Information, Error, Question, Folder, OpenFile, SaveFile, Colour };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    std::vector<Shown> shown;
    std::deque<bool> questionAnswers;
    std::deque<std::optional<QString>> folders, openFiles, saveFiles;
    std::deque<std::optional<QColor>> colours;
    // Called while a box is "open", before it answers: the place to act inside a modal loop.
    std::function<void(const Shown&)> onShow;

    QColor lastInitialColour;
    std::vector<QColor> lastCustomColours;

    std::size_t Count(Kind kind) const;
    // Texts of the boxes of one kind, in the order shown.
    QStringList Texts(Kind kind) const;

    void Message(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& title, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;
    std::optional<QString> Folder(QWidget* parent, const QString& text) override;
    std::optional<QString> OpenFile(QWidget* parent, FileDialogState& dialog) override;
    std::optional<QString> SaveFile(QWidget* parent, FileDialogState& dialog) override;
    std::optional<QColor> Colour(QWidget* parent, const QColor& initial,
                                 std::span<const QColor> customColours) override;

  private:
    void Record(Kind kind, const QString& title, const QString& text);
};
