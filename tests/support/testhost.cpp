#include "support/testhost.h"

#include <fstream>
#include <random>
#include <sstream>

namespace mv::test {

Answer FakeDialogs::Show(MessageKind kind, const std::string& caption, const std::string& text, Buttons buttons,
                         Answer defaultAnswer) {
    shown.push_back({kind, caption, text, buttons, defaultAnswer});
    if (answers.empty()) return defaultAnswer;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        mPath = std::filesystem::temp_directory_path() / ("mv-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(mPath)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(mPath, ec);
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace mv::test
