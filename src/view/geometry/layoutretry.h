#pragma once
// Creating the view's images can fail when the system runs short of memory. The layout is
// then retried with smaller cells, and after ten failed retries the user is told and the
// view keeps what it has.

#include <functional>

#include "view/geometry/viewlayout.h"

namespace mv {

class Dialogs;

inline constexpr int kLayoutRetries = 10;
inline constexpr const char* kResourceShortMessage = "システム資源が足りない為、正しく描画できません。";

// Calls tryCreate with the layout; when it fails, retry n (1, 2, ...) first shrinks the
// column content width by trunc(n x 0.1 x width) and the row height by
// trunc(n x 0.01 x height) and lays out again. After the tenth failed retry the message is
// shown as an error and false returned.
bool LayOutWithRetry(ViewLayout& layout, const std::function<bool(const ViewLayout&)>& tryCreate, Dialogs& dialogs);

}  // namespace mv
