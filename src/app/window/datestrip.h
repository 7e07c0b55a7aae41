#pragma once
// The bottom strip `pnlBaseBottom`: the date scroll bar `sbarDate` over the year, with the
// one-day step buttons `Btn_SbarMae` and `Btn_SbarAto` laid over its two ends.

#include <QWidget>

class QPushButton;
class QScrollBar;

namespace mv {

class DateStrip : public QWidget {
public:
    explicit DateStrip(QWidget* parent = nullptr);
    QScrollBar* sbarDate;
    QPushButton* Btn_SbarMae;
    QPushButton* Btn_SbarAto;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kInset = 48;  // strip left free at both ends, for press-and-hold scrolling
};

}  // namespace mv
