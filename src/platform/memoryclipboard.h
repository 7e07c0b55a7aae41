#pragma once
// A clipboard that only holds its text: for the command-line tool, the tests and the
// benchmarks, which have no system clipboard to use.

#include <string>

#include "platform/clipboard.h"

namespace mv {

class MemoryClipboard : public Clipboard {
public:
    std::string Text() const override { return mText; }
    void SetText(const std::string& utf8) override { mText = utf8; }
    void Clear() override { mText.clear(); }

private:
    std::string mText;
};

}  // namespace mv
