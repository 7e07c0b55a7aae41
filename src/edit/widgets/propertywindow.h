#pragma once
// The frame property window `TfrmTimeEdit_01`: a window kept on top of the design window
// that shows the selected frame and edits what the mouse cannot (exact times, colours, font
// size, title fields and their alignment, contents and links), and runs the page commands:
// expansion by weekday, the day's frame list with shifting, the days and months holding
// frames, and the memo whose lines are dragged onto frames. Every change goes through the
// edit layer's commands; the window only wires its controls to them.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "edit/editcontext.h"
#include "edit/undohistory.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;

namespace mv {

class Dialogs;
class FrameIdSource;
struct EnvSettings;
struct FrameBox;

// What the window needs of the design window.
class PropertyHost {
public:
    virtual ~PropertyHost() = default;
    virtual EditContext& Edit() = 0;
    virtual FrameIdSource& FrameIds() = 0;
    virtual Dialogs& Messages() = 0;
    virtual EnvSettings& Settings() = 0;
    // The packed display: the window only shows.
    virtual bool Packed() const = 0;
    // The editing / packed display button of the design window.
    virtual void ToggleEditKind() = 0;
    virtual QString EditKindCaption() const = 0;
    // The frame as drawn now (its rectangle and its fields' text boxes); null when not drawn.
    virtual const FrameBox* DrawnBox(const Date& date, const std::string& cid) const = 0;
    virtual int ReferenceFontHeight() const = 0;
    // The date of the pressed column, whose frames the day list shows.
    virtual std::optional<Date> PressedDate() const = 0;
    // Stores the shown dates into the design's lines, which the day and month lists read.
    virtual void StoreView() = 0;
    // Shows the dates from this one and selects the first frame of the first date.
    virtual void JumpToDate(const Date& date) = 0;
};

class TfrmTimeEdit_01 : public QWidget {
public:
    TfrmTimeEdit_01(QWidget* owner, PropertyHost& host);
    ~TfrmTimeEdit_01() override;

    // Shows the window on the "Title" page; with `focusTitle` the title editor takes the
    // focus when it can.
    void Open(bool focusTitle);
    // Fills the window from the selected frame (empty when none); called after every
    // selection change and every edit.
    void RefreshFrame();
    // Selects title field n (below 0 the first; ignored past the list).
    void SelectField(int field);
    // Hands the list width, panel height, memo and rectangle back to the settings.
    void StorePlacement();

    // The colour dialog, opened on a colour (0x00BBGGRR); tests replace it.
    std::function<std::optional<int>(int)> pickColour;
    // The frame colour window, opened on a colour; tests replace it.
    std::function<std::optional<int>(int)> pickFrameColour;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        Date date;
        std::string cid;
        const TCInf* frame = nullptr;
    };
    std::optional<Shown> Current();
    int CurrentField() const;

    void BuildTitlePage(QWidget* page);
    void BuildLinkPage(QWidget* page);
    void BuildExtendPage(QWidget* page);
    void BuildListPage(QWidget* page);
    void BuildDaysPage(QWidget* page);
    void BuildMonthPage(QWidget* page);
    void BuildMemoPage(QWidget* page);
    void PageShown(int index);

    void FillTitlePage(const Shown& shown);
    void ClearTitlePage();
    void FillFieldEditors(const Shown& shown);
    void FillFieldList(const Shown& shown);
    void SetEditorsReadOnly(bool readOnly);

    // Title and Link page handlers.
    void TimeEdited(bool start);
    void FontSizeChosen(int index);
    void TextColourClicked();
    void FrameColourClicked();
    void AlignmentChosen(int alignment);
    void TitleTextChanged();
    void TitleEditorEntered();
    void TitleEditorLeft();
    void ContentsChanged();
    void LinksChanged();
    void TextEditorLeft();
    void FieldRowChanged(int row);
    void ResetFieldPosition(bool belowFrame);
    // Text typed into the window as stored text: line breaks as 0x7F, characters Shift-JIS
    // cannot hold as "?" (the user is told the first time).
    std::string StoredText(const QString& typed);

    // Extend, List, Days, Month and Memo page handlers.
    // `shown`: the page was just brought to the front (the dates are set afresh).
    void FillExtendPage(bool shown);
    void ExpandClicked();
    void FillDayFrames();
    void DayFrameClicked();
    void ShiftClicked(bool earlier);
    void FillDays();
    void DayDoubleClicked();
    void FillMonths();
    void DeleteMonthsClicked();
    void ShowMemoLine();

    PropertyHost& mHost;
    QTabWidget* mPages = nullptr;
    bool mFilling = false;      // controls are being filled: their change signals are ignored
    bool mOwnEdit = false;      // an edit of this window is being reported back to it
    bool mToldReplaced = false;
    bool mSelectingFromList = false;  // a click in the day list selects in the design window
    bool mStateRestored = false;
    std::pair<int, int> mPanelColours{-1, -1};  // text and frame colour the panels show
    std::optional<FrameSnapshot> mTitleBefore;  // the frame as the title editing visit began
    std::optional<Date> mTextEditedDate;         // contents or links typed, not yet reported

    // "Title"
    QLabel* Pnl_WakuInfo = nullptr;
    QLineEdit* Edt_Naiyo_STime = nullptr;
    QLineEdit* Edt_Naiyo_ETime = nullptr;
    QComboBox* Cmb_FS = nullptr;
    QPushButton* Pnl_FC = nullptr;
    QPushButton* Pnl_BC = nullptr;
    QPushButton* Btn_PropEditKind = nullptr;
    QSplitter* Pnl_FList = nullptr;
    QListWidget* Lst_FList = nullptr;
    QPlainTextEdit* Edt_WakuTitle = nullptr;
    QWidget* Grp_Format = nullptr;
    QRadioButton* mAlign[4] = {};
    QPlainTextEdit* Edt_Contents = nullptr;
    QCheckBox* Chk_ContLink = nullptr;
    QLabel* Pnl_Cid = nullptr;
    QMenu* Pm_FList = nullptr;
    QSplitter* mTitleSplit = nullptr;
    // "Link"
    QLabel* Pnl_WakuInfo2 = nullptr;
    QPlainTextEdit* Edt_LinkURL = nullptr;
    // "Extend"
    QLabel* Pnl_WakuInfo3 = nullptr;
    QDateEdit* Dpc_UnfoldSDate = nullptr;
    QDateEdit* Dpc_UnfoldEDate = nullptr;
    QCheckBox* Chk_Yobi[7] = {};
    QPushButton* Btn_ExecUnfold = nullptr;
    // "List"
    QLabel* Pnl_WListInfo = nullptr;
    QListWidget* Lst_WList = nullptr;
    QLineEdit* Edt_Kuriage_Time = nullptr;
    QPushButton* Btn_Kuri_Age = nullptr;
    QPushButton* Btn_Kuri_Sage = nullptr;
    std::optional<Date> mListDate;
    std::vector<std::string> mListIds;
    // "Days"
    QListWidget* Lst_YList = nullptr;
    QLabel* Lbl_MvfCnt = nullptr;
    // "Month"
    QListWidget* Lst_Month = nullptr;
    QLabel* Lbl_MonthMvfCnt = nullptr;
    QPushButton* Btn_YList_DeleteMonth = nullptr;
    // "Memo"
    QPlainTextEdit* Edt_Memo = nullptr;
    class MemoLinePanel* pnlMemoLine = nullptr;
};

}  // namespace mv
