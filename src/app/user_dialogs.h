#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

class QWidget;

// A file dialog's settings, kept by the window for the whole run. `fileName` is the name last
// chosen, offered again the next time.
struct FileDialogState {
    QString title;
    QStringList filters;    // name filters, "WRK (*.wrk)"; the first is selected
    QString defaultSuffix;  // added to a typed name that has none
    bool confirmOverwrite = false;
    QString fileName;
};

// Every modal box and dialog the window shows goes through this interface, so that tests can
// answer them from a script instead of blocking on a modal loop.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A plain message box with an OK button, titled with the application title.
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // Information icon, title "Information", one OK button.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // Error icon, the given title, one OK button.
    virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
    // Question icon, title "Confirm", Yes and No; true only for Yes.
    virtual bool Question(QWidget* parent, const QString& text) = 0;
    // A folder picker showing `text`; the chosen folder's full path, or nothing on cancel.
    virtual std::optional<QString> Folder(QWidget* parent, const QString& text) = 0;
    // On success the chosen name is also stored in `dialog.fileName`.
    virtual std::optional<QString> OpenFile(QWidget* parent, FileDialogState& dialog) = 0;
    virtual std::optional<QString> SaveFile(QWidget* parent, FileDialogState& dialog) = 0;
    // A colour picker with `initial` preselected and the given custom colours; the chosen solid
    // colour, or nothing on cancel.
    virtual std::optional<QColor> Colour(QWidget* parent, const QColor& initial,
                                         std::span<const QColor> customColours) = 0;
};

// The real boxes and dialogs of the toolkit.
class QtUserDialogs final : public UserDialogs {
  public:
    void Message(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& title, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;
    std::optional<QString> Folder(QWidget* parent, const QString& text) override;
    std::optional<QString> OpenFile(QWidget* parent, FileDialogState& dialog) override;
    std::optional<QString> SaveFile(QWidget* parent, FileDialogState& dialog) override;
    std::optional<QColor> Colour(QWidget* parent, const QColor& initial,
                                 std::span<const QColor> customColours) override;
};
