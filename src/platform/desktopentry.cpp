#include "platform/desktopentry.h"

namespace mv {

namespace {

std::string_view TrimmedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

// The words of a command line: blanks separate them, double quotes keep blanks inside a
// word, and inside quotes a backslash takes the next character as it is.
std::optional<std::vector<std::string>> SplitWords(std::string_view exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') quoted = false;
            else if (c == '\\' && i + 1 < exec.size()) word += exec[++i];
            else word += c;
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace

std::optional<std::string> DesktopEntryExec(std::string_view text) {
    bool inEntry = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimmedLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry || !line.starts_with("Exec")) continue;
        const std::string_view rest = TrimmedLine(line.substr(4));
        if (rest.starts_with('=')) return std::string(TrimmedLine(rest.substr(1)));
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> DesktopExecArguments(std::string_view exec,
                                                             const std::optional<std::string>& file) {
    std::optional<std::vector<std::string>> words = SplitWords(exec);
    if (!words || words->empty()) return std::nullopt;
    std::vector<std::string> arguments;
    for (const std::string& word : *words) {
        // A word that is a file code alone becomes the file (or goes); codes inside a word
        // are replaced in place.
        if (word == "%f" || word == "%F" || word == "%u" || word == "%U") {
            if (file) arguments.push_back(*file);
            continue;
        }
        std::string expanded;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] != '%' || i + 1 >= word.size()) {
                expanded += word[i];
                continue;
            }
            const char code = word[++i];
            if (code == '%') expanded += '%';
            else if ((code == 'f' || code == 'F' || code == 'u' || code == 'U') && file) expanded += *file;
        }
        if (!expanded.empty() || arguments.empty()) arguments.push_back(std::move(expanded));
    }
    if (arguments.empty() || arguments.front().empty()) return std::nullopt;
    return arguments;
}

}  // namespace mv
