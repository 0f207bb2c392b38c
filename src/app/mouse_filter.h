#pragma once
// The mouse filter of the user-interface thread: right clicks never reach embedded
// web-browser views, so they open no context menu of their own. Every other mouse
// message passes unchanged.

#include "framework/win/handles.h"

namespace pipetto {

win::HookHandle install_mouse_filter();

} // namespace pipetto
