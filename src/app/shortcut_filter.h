#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Makes the menu shortcuts work whichever control has the focus. Line edits and memos accept
// ShortcutOverride for keys of their own (Ctrl+A selects all), which would swallow the menu's
// key; refusing the override for an enabled item's shortcut lets the shortcut fire instead.
class ShortcutOverrideFilter : public QObject {
  public:
    ShortcutOverrideFilter(QWidget* window, QList<QAction*> actions);
    ~ShortcutOverrideFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QList<QAction*> actions_;
};
