#pragma once

#include <QColor>
#include <QLabel>

// The console-colour swatch Panel1: a raised panel with a caption, painted in one solid colour,
// that reports clicks.
class ColourSwatch : public QLabel {
    Q_OBJECT
  public:
    explicit ColourSwatch(const QString& caption, QWidget* parent = nullptr);

    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QColor colour_;
};
