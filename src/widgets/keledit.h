#pragma once

#include <QLineEdit>

// Key-capture edit: its text becomes the game's name of the key or mouse button released in it.
class TKelEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TKelEdit(QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Where the platform opens context menus on the right-button press, the menu waits for the
    // release, so that the release still reaches the field and names the button.
    bool menuAfterRelease_ = false;
};
