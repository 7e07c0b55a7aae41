#pragma once
// A layout that places its items left to right and starts a new row when the next item
// no longer fits the width, so a row of tool groups stays usable in a narrow window. The
// items of a row share the row's height; the layout's height follows from its width.

#include <QLayout>
#include <QList>

namespace mv {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 4);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(mItems.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    // All items in one row.
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in the rectangle's width (moving them when `apply`); returns the
    // height used.
    int Arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> mItems;
    int mSpacing;
};

}  // namespace mv
