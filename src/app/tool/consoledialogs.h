#pragma once
// Dialogs for a program without a window: messages go to standard error, questions take
// their default answer.

#include <iostream>

#include "platform/dialogs.h"

namespace mv {

class ConsoleDialogs : public Dialogs {
public:
    Answer Show(MessageKind, const std::string&, const std::string& text, Buttons, Answer defaultAnswer) override {
        std::cerr << MessageLines(text) << '\n';
        return defaultAnswer;
    }
};

}  // namespace mv
