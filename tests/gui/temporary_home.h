#pragma once

#include <QByteArray>
#include <QString>

// Points HOME and the XDG data and config folders into `dir`, so that nothing a test does
// reaches the real home, also when the test is run by hand rather than by ctest.
inline void UseTemporaryHome(const QString& dir) {
    qputenv("HOME", dir.toUtf8());
    qputenv("XDG_DATA_HOME", (dir + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir + "/config").toUtf8());
}
