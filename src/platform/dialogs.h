#pragma once
// Every message box and question of the program passes through this interface. Texts are
// UTF-8 and worded exactly as the program shows them; "\r" and "\r\n" become line breaks
// only where they are shown.

#include <string>

namespace mv {

enum class MessageKind { Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer Show(MessageKind kind, const std::string& caption, const std::string& text,
                        Buttons buttons, Answer defaultAnswer) = 0;

    void Error(const std::string& caption, const std::string& text) {
        Show(MessageKind::Error, caption, text, Buttons::Ok, Answer::Ok);
    }
    void Information(const std::string& caption, const std::string& text) {
        Show(MessageKind::Information, caption, text, Buttons::Ok, Answer::Ok);
    }
};

// The text with "\r\n" and lone "\r" turned into "\n", for showing it.
inline std::string MessageLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The program's name, caption of its message boxes and prefix of its window captions.
inline const std::string kProgramName = "マロベランティス２";
inline const std::string kConfirmCaption = "確認";
// The error after a file could not be written (UTF-8 path).
inline std::string WriteFailedText(const std::string& path) {
    return "出力ファイルの作成に失敗しました。\r\n\r\n    PATH = " + path;
}

}  // namespace mv
