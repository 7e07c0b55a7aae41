#pragma once
// What the program sets up for the whole application before its window is made: its name
// and the fonts.

class QApplication;

namespace mv {

void SetUpApplication(QApplication& app);

}  // namespace mv
