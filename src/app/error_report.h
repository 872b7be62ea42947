#pragma once

#include <QString>
#include <stdexcept>

// An error that a command does not handle itself. Thrown anywhere inside a command, it ends
// the command there; the window's error report then shows its text in the error box.
class CommandError : public std::runtime_error {
  public:
    explicit CommandError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString Text() const { return QString::fromUtf8(what()); }
};
