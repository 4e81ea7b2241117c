#pragma once
// A layout that sets its widgets side by side, left to right, and starts a new row when the
// next one does not fit the width. Every row is as high as the highest widget, and each
// item is given the row's height (a widget that cannot grow stands centred in it). Its height follows
// its width (heightForWidth).

#include <QLayout>
#include <QList>

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent, int margin, int spacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect unless testOnly; returns the height they take.
    int arrange(const QRect& rect, bool testOnly) const;
    int rowHeight() const;

    QList<QLayoutItem*> m_items; // owned
};
