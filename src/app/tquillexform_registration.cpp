#include "tquillexform.h"
#include "workfile_registration.h"

// Runs at every start; whatever fails is skipped and the start goes on.
void TQuillexForm::RegisterWorkFileType() {
    try {
        registration::Register(registration::CurrentUserSetup());
    } catch (...) {
    }
}
