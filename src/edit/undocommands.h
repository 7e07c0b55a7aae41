#pragma once
// Taking the newest edit back ("元に戻す") and bringing the newest undone one back
// ("やり直す"), on the frames of the shown dates and the stored lines of the others.

#include "edit/editcontext.h"

namespace mv {

// Undoes the newest entry of the history; false when there is none, or when its lines do
// not match (the history has reported it and keeps the entry).
bool UndoNewest(EditContext& context);
// Redoes the newest undone step; false when there is none.
bool RedoNewest(EditContext& context);

}  // namespace mv
