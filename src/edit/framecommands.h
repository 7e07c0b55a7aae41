#pragma once
// Commands on one frame that the pointer ends with: stretching a frame up to its
// neighbour (the Shift-drag), and the record of a field dragged inside its frame.

#include <string>

#include "edit/editcontext.h"

namespace mv {

// Stretches the frame up to the neighbour on its date: its end to the neighbour's start
// when the neighbour lies below, its start to the neighbour's end when above. False (and
// nothing changed) when either is gone or the two overlap in time.
bool ExtendFrameOnto(EditContext& context, const Date& date, const std::string& cid, const std::string& neighbourCid);

// A field was dragged inside the frame: records the frame as it was (`before`, taken when
// the drag began) for undo and reports the date.
void FinishFieldMove(EditContext& context, const FrameSnapshot& before);

}  // namespace mv
