#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "model/settings.h"
#include "user_dialogs.h"

class FieldBinding;
class ColourSwatch;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class QToolButton;
class ShortcutOverrideFilter;
class TKelAboutBox;

struct QuillexFormOptions {
    // Boxes and dialogs; the toolkit's own when null. Not owned.
    UserDialogs* dialogs = nullptr;
    // The command-line arguments after the program name; the process's when unset.
    std::optional<QStringList> arguments;
    bool registerFileType = true;
};

// The one main window: every settings control on four tabs, the main menu, the compile
// commands and the window's lifecycle.
class TQuillexForm : public QMainWindow {
    Q_OBJECT
  public:
    using Options = QuillexFormOptions;

    explicit TQuillexForm(Options options = {}, QWidget* parent = nullptr);
    ~TQuillexForm() override;

    // The settings as the controls hold them now.
    quillex::Settings Snapshot() const;
    // Sets controls one by one, running their change reactions.
    quillex::FieldSink& Sink();
    const FieldBinding& Binding() const { return *binding_; }
    UserDialogs& Dialogs() { return *dialogs_; }

    // Work files. WRKSave writes the settings to the file and confirms in a box; it throws
    // CommandError (the file is left as it was) when the state cannot be stored or written.
    // WRKOpen applies the file to the controls one by one and reports the outcome.
    void WRKSave(const QString& fileName);
    void WRKOpen(const QString& fileName);

    // The general error report: the error box with the full-stop rule; the program goes on.
    void ReportError(const QString& text);
    // Runs one command; an error it throws ends it and reaches the error report.
    void RunCommand(const std::function<void()>& command);

    // Menus and items, named like their controls.
    QMenu *N1 = nullptr, *Compile = nullptr, *misc = nullptr, *Help = nullptr;
    QAction *OpenWRK = nullptr, *SaveWRK = nullptr, *SaveAs = nullptr, *Save = nullptr,
            *Sep1 = nullptr, *ExitON = nullptr, *FullVers = nullptr, *CutedVers = nullptr,
            *VARGANTa1 = nullptr, *defaultwrk1 = nullptr, *N3 = nullptr, *About = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QPlainTextEdit* Memo = nullptr;  // the compiled config
    QLineEdit* Path = nullptr;       // the save folder
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    ColourSwatch* Panel1 = nullptr;
    QComboBox* c54 = nullptr;
    QPlainTextEdit* WRK = nullptr;  // hidden line buffer of the work-file code
    QTimer* Timer = nullptr;
    TKelAboutBox* KelAboutBox = nullptr;
    FileDialogState OpenDialog, SaveDialog;

    bool FirstShow = false;
    bool AutoSaveFirst = false;

    // Custom colours A and B of the colour dialog.
    static const QColor kCustomColours[2];

  public slots:
    void FullVersClick();
    void CutedVersClick();
    void ExitONClick();
    void AboutClick();
    void NickChange();
    void rChange();
    void Panel1Click();

    // Config output and work files.
    void SaveAsClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SaveClick();
    void OpenWRKClick();
    void SaveWRKClick();
    void defaultwrk1Click();
    void VARGANTa1Click();
    void N3Click();
    void TimerTimer();

  protected:
    // The start-up load of the work file named on the command line.
    virtual void LoadStartupWorkFile(const QString& fileName);

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void RegisterWorkFileType();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildPages();
    void BuildComponents();
    void ConnectControls();
    void CompileInto(bool cut);
    // A slot that runs `handler` as a command.
    std::function<void()> Command(void (TQuillexForm::*handler)());

    Options options_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<FieldBinding> binding_;
    std::unique_ptr<ShortcutOverrideFilter> shortcutFilter_;
};
