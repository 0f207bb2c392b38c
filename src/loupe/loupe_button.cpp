// The loupe button of the Grab page.

#include "app/main_form.h"

namespace pipetto {

void TMainform::LoupeBtnClick() {}

} // namespace pipetto
