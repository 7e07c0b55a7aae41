#pragma once
// Reading and changing one frame wherever it lives: in a shown date's working set (changed
// in place, keeping its serials) or in the stored lines of a date out of view.

#include <functional>
#include <memory>
#include <string>

#include "model/workingset.h"

namespace mv {

// A detached copy of the frame as its line stands now; null when it is gone.
std::unique_ptr<TCInf> ParsedFrame(const WorkingSet& working, const Date& date, const std::string& cid);

// Applies a change to the frame. The frame as it was is returned for the undo entry; null
// (and nothing changed) when it is gone.
std::unique_ptr<TCInf> ChangeFrame(WorkingSet& working, const Date& date, const std::string& cid,
                                   const std::function<void(TCInf&)>& change);

}  // namespace mv
