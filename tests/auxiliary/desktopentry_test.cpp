// The help viewer hands its text to the desktop's editor through its desktop entry.
#include "platform/desktopentry.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(DesktopEntry, ExecOfTheMainGroup) {
    const std::string entry =
        "# comment\r\n[Desktop Entry]\r\nName=Text Editor\r\nExec = gedit %U\r\n"
        "[Desktop Action new-window]\r\nExec=gedit --new-window\r\n";
    EXPECT_EQ(DesktopEntryExec(entry), std::optional<std::string>("gedit %U"));
    EXPECT_EQ(DesktopEntryExec("[Desktop Action x]\nExec=other\n"), std::nullopt);
    EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nExecutable=no\nName=x"), std::nullopt);
}

TEST(DesktopEntry, ExecArgumentsForAFile) {
    using Args = std::vector<std::string>;
    struct Case {
        const char* exec;
        std::optional<std::string> file;
        std::optional<Args> arguments;
    };
    const std::string help = "/opt/mv/Doc_Marovelantis_Begin.Txt";
    for (const Case& c : std::vector<Case>{
             {"gedit %U", help, Args{"gedit", help}},
             {"gedit %U", std::nullopt, Args{"gedit"}},
             {"kate -b %u", help, Args{"kate", "-b", help}},
             {"\"/opt/My Editor/edit\" --file=%f %i %c", help, Args{"/opt/My Editor/edit", "--file=" + help}},
             {"sh -c \"echo \\\"a b\\\" 100%%\"", std::nullopt, Args{"sh", "-c", "echo \"a b\" 100%"}},
             {"mousepad \"%F", help, std::nullopt},  // unclosed quote
             {"  ", help, std::nullopt},
             {"%f", std::nullopt, std::nullopt},  // no program left
         }) {
        EXPECT_EQ(DesktopExecArguments(c.exec, c.file), c.arguments) << c.exec;
    }
}

}  // namespace
}  // namespace mv
