#pragma once
// Dialogs for a program without a window: messages go to standard error, questions take
// their default answer.

#include <iostream>

#include "platform/dialogs.h"

namespace mv {

class ConsoleDialogs : public Dialogs {
public:
    Answer Show(MessageKind, const std::string&, const std::string& text, Buttons, Answer defaultAnswer) override {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                out += '\n';
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            } else {
                out += text[i];
            }
        }
        std::cerr << out << '\n';
        return defaultAnswer;
    }
};

}  // namespace mv
