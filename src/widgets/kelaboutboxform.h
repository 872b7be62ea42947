#pragma once

#include <QDialog>
#include <functional>

#include "systemfigures.h"

class QFrame;
class QLabel;
class QToolButton;

// The about window: title, up-title, version, four contact lines (links where they hold a web or
// e-mail address), the operating-system and free-memory lines. Built anew for every showing.
class TKelAboutBoxForm : public QDialog {
    Q_OBJECT
  public:
    // Opens a link target with the desktop shell; the result is not looked at.
    using LinkOpener = std::function<void(const QString& target)>;
    using FiguresProvider = std::function<quillex::SystemFigures()>;

    // Empty functions mean the machine's own figures and the desktop shell.
    explicit TKelAboutBoxForm(const FiguresProvider& figures = {}, LinkOpener opener = {},
                              QWidget* parent = nullptr);

    static QString Caption(const QString& upTitle, const QString& title);
    static bool IsLink(const QString& line);
    // The word after the last blank, with "mailto:" in front when the line holds "@".
    static QString LinkTarget(const QString& line);

    QFrame* Panel;
    QLabel* Image;
    QLabel* UpTitle;
    QLabel* Title;
    QLabel* Version;
    QLabel* Line1;
    QLabel* Line2;
    QLabel* Line3;
    QLabel* Line4;
    QFrame* Separator;
    QLabel* OS;
    QLabel* Memory;
    QToolButton* OkButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetCaption();
    void StyleLinks();
    void LineClick(QLabel* line);

    LinkOpener opener_;
};
