#pragma once
// The system clipboard's text, in UTF-8: the program's windows use Qt's clipboard, tests a
// plain string.

#include <string>

namespace mv {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& utf8) = 0;
    virtual void Clear() = 0;
};

}  // namespace mv
