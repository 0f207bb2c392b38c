// The history list: selecting, renaming and deleting the kept colours.

#include "app/main_form.h"

namespace pipetto {

void TMainform::HistoryListClick() {}
void TMainform::HistoryListCustomDrawSubItem(win::SubItemDraw&) {}
void TMainform::ItemNameChange() {}
void TMainform::ItemNameClick() {}
void TMainform::Lschen1Click() {}
void TMainform::Alleentfernen1Click() {}
void TMainform::Importieren1Click() {}

} // namespace pipetto
