#pragma once

#include <QLineEdit>

// Key-capture edit: its text becomes the game's name of the key or mouse button released in it.
class TKelEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKelEdit(QWidget* parent = nullptr);
};
