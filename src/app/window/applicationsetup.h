#pragma once
// What the program sets up for the whole application before its window is made: its name,
// the fonts, and Qt's own texts (dialog buttons, the file dialogs) in Japanese.

class QApplication;

namespace mv {

// False when Qt's Japanese texts could not be loaded; the program runs on with Qt's
// English ones (the message-box buttons are worded by the program itself).
bool SetUpApplication(QApplication& app);

}  // namespace mv
