// The user's choice of the grab and loupe hotkeys on the Settings page.

#include "app/main_form.h"

namespace pipetto {

void TMainform::GrabKeyChange() {}
void TMainform::LoupeKeyChange() {}

} // namespace pipetto
