#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "systemfigures.h"

// About-box component: holds seven texts and shows a fresh about window on Execute().
class TKelAboutBox : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(QString UpTitle MEMBER UpTitle)
    Q_PROPERTY(QString Version MEMBER Version)
    Q_PROPERTY(QString Line1 MEMBER Line1)
    Q_PROPERTY(QString Line2 MEMBER Line2)
    Q_PROPERTY(QString Line3 MEMBER Line3)
    Q_PROPERTY(QString Line4 MEMBER Line4)
  public:
    explicit TKelAboutBox(QObject* parent = nullptr);

    QString Title, UpTitle, Version, Line1, Line2, Line3, Line4;

    // Where the window takes its system figures from and how it opens links; empty means the
    // machine itself and the desktop shell. Tests put their own in.
    std::function<quillex::SystemFigures()> FiguresProvider;
    std::function<void(const QString&)> LinkOpener;

    // Shows the window modally; a window that cannot be built gives only a beep.
    void Execute();
};
