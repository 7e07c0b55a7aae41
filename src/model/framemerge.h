#pragma once
// Three-way merge of one month-day slot's record lines, frame by frame (by Ci_Cid): what
// this instance last read or saved (the base), what it holds now, and what the design file
// holds now after other sharers saved. Frames that others added are kept, frames only others
// changed or deleted are taken as they left them, and frames this instance added, changed or
// deleted stay as this instance has them (when both changed one frame, this instance's
// version is written: the later save wins).

#include <functional>
#include <string>

#include "model/linestore.h"

namespace mv {

// A line as it reads once its frame is rebuilt from it. Storing a date rebuilds the lines of
// frames nobody changed, and the rebuilt line may differ in bytes (a date re-based into the
// base year, a renewed id shadowing an old one); such a frame still counts as unchanged.
using LineNormalizer = std::function<std::string(const std::string&)>;

// The merged lines: this instance's lines in their order (with the others' versions of the
// frames only they changed), then the frames the others added, in the file's order. With a
// file that equals the base the result is `mine` unchanged.
LineList MergeSlot(const LineList& base, const LineList& mine, const LineList& theirs,
                   const LineNormalizer& normalize = {});

}  // namespace mv
