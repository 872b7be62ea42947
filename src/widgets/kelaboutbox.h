#pragma once

#include <QObject>
#include <QString>

// About-box component: holds seven texts and shows a fresh about window on Execute().
class TKelAboutBox : public QObject {
    Q_OBJECT
public:
    explicit TKelAboutBox(QObject* parent = nullptr);

    QString Title, UpTitle, Version, Line1, Line2, Line3, Line4;

    void Execute();
};
