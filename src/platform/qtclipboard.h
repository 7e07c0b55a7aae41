#pragma once
// The system clipboard through Qt.

#include "platform/clipboard.h"

namespace mv {

class QtClipboard : public Clipboard {
public:
    std::string Text() const override;
    void SetText(const std::string& utf8) override;
    void Clear() override;
};

}  // namespace mv
