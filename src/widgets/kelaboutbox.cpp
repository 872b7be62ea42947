#include "kelaboutbox.h"

TKelAboutBox::TKelAboutBox(QObject* parent) : QObject(parent) {}

void TKelAboutBox::Execute() {}
