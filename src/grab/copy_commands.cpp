// The twelve copy commands of the Grab and History pages.

#include "app/main_form.h"

namespace pipetto {

void TMainform::HexCopyBtnClick() {}
void TMainform::HtmlCopyBtnClick() {}
void TMainform::LongCopyBtnClick() {}
void TMainform::RgbCopyBtnClick() {}
void TMainform::IdentCopyBtnClick() {}
void TMainform::PixelCopyBtnClick() {}
void TMainform::HexCopyBtn2Click() {}
void TMainform::HtmlCopyBtn2Click() {}
void TMainform::LongCopyBtn2Click() {}
void TMainform::RgbCopyBtn2Click() {}
void TMainform::IdentCopyBtn2Click() {}
void TMainform::PixelCopyBtn2Click() {}

} // namespace pipetto
