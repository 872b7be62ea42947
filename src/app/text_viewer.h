#pragma once

#include <QString>

class QWidget;

// A read-only plain-text window for a work file (the file-type action "Просмотреть"); the
// file's Windows-1251 bytes are shown as text. The caller runs the event loop.
QWidget* CreateTextViewer(const QString& fileName);
