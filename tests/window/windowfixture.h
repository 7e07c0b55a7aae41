#pragma once
// The design window on a small design in a folder of its own, with scripted message boxes
// and file dialogs.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/window/timetablewindow.h"
#include "model/settings.h"
#include "support/testhost.h"

namespace mv::test {

inline const std::string kDesign =
    "#Marovelantis=#Marovelantis\r\n#Priority=\r\n#LastUpdate=\r\n#BaseYYYY=13\r\n#Title=T\r\n#MoveMM=4\r\n"
    "Ci_CDate=2003/07/01%!#Ci_Cid=PC9-20030101000000-00001%!#Ci_STime=930%!#Ci_ETime=1100%!#\r\n";

struct Fixture {
    TempFolder folder;
    FakeHost host;
    FakeDialogs dialogs;
    FakeFileChooser files;
    std::filesystem::path design;
    std::unique_ptr<TfrmTimeTable_01> window;

    explicit Fixture(EnvSettings settings = {}, std::string parameter = {}) {
        host.programFolder = folder.Path();
        design = folder / "plan design.MVF";
        WriteBytes(design, kDesign);
        settings.Max_TimeTable_01 = false;
        SaveSettings(SettingsPath(), settings, host);
        window = std::make_unique<TfrmTimeTable_01>(host, dialogs, files, SettingsPath(), parameter);
        window->show();
        window->MyTimer().stop();
    }
    std::filesystem::path SettingsPath() const { return folder / "Marovelantis.Env"; }
    // Opens the design and finds a control of the window by its name.
    QWidget* OpenDesignAndFind(const QString& name) {
        window->Session().OpenFile(design.string(), true);
        return window->findChild<QWidget*>(name);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : dialogs.shown) texts.push_back(message.text);
        return texts;
    }
};

inline EnvSettings OpenNothing() {
    EnvSettings settings = DefaultSettings({2003, 7, 1});
    settings.Cmb_BeginRead = 0;
    return settings;
}

}  // namespace mv::test
