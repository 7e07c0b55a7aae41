#pragma once
// The environment dialog on the design window's values: "1. 動作環境の定義を行う" and
// "2. 印刷・HTMLの条件設定" show it; its changes reach the window at once.

#include <QObject>

#include "auxiliary/widgets/environmentdialog.h"

namespace mv {

class TfrmTimeTable_01;

class EnvironmentActions : public QObject, public EnvironmentHost {
public:
    // A child of the window, which owns it; wires the two menu items.
    explicit EnvironmentActions(TfrmTimeTable_01& window);
    TfrmTimeEtc_01& Dialog() { return *mDialog; }

    // EnvironmentHost
    EnvSettings& Settings() override;
    HolidayTable& Holidays() override;
    Dialogs& Messages() override;
    bool MainShown() const override;
    std::string DesignTitle() const override;
    void SetDesignTitle(const std::string& title) override;
    void ScrollToHourRow(int row) override;
    void FrameDefaultsChanged() override;
    void PlacementChanged(bool frames) override;
    void HolidaysChanged() override;
    void PrintTimetable() override;
    void OpenHtml() override;
    bool ChooseColour(int& colour) override;

private:
    void TriggerMenuItem(const char* name);

    TfrmTimeTable_01& mWindow;
    TfrmTimeEtc_01* mDialog = nullptr;
};

}  // namespace mv
