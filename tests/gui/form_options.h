#pragma once

#include <QStringList>

#include "scripted_dialogs.h"
#include "tquillexform.h"

// A window for tests: boxes answered by `dialogs`, the given command line, and no desktop
// registration (the registration tests ask for it themselves).
inline TQuillexForm::Options TestFormOptions(ScriptedDialogs& dialogs,
                                             const QStringList& arguments = {}) {
    TQuillexForm::Options options;
    options.dialogs = &dialogs;
    options.arguments = arguments;
    options.registerFileType = false;
    return options;
}
