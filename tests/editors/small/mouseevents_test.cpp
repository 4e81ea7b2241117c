// Mouse, key and focus events of every control, in the old codes and scales.
#include "platform/forms/qstringprinter.h"

#include "forms/form.h"
#include "forms/label.h"
#include "forms/picturebox.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
struct Raised {
    qint16 button, shift;
    double x, y;
};

class MouseForm : public Form {
public:
    MouseForm() : Form(QStringLiteral("frmTest")) {
        setScaleMode(vbPixels);
        box.setScaleMode(vbPixels);
        box.setWidth(100);
        box.setHeight(100);
        twipsBox.setBorderStyle(vbBSNone);
        twipsBox.setWidth(40 * 15);
        twipsBox.setHeight(40 * 15);
        label.setLeft(50);
        label.setWidth(40);
        label.setHeight(20);
    }
    PictureBox box{*this, QStringLiteral("picBox")};
    PictureBox twipsBox{box, QStringLiteral("picTwips")}; // twips inside a pixel box
    Label label{box, QStringLiteral("lblLabel")};
};

void send(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void record(Event<qint16, qint16, double, double>& event, std::vector<Raised>& into) {
    event = [&into](qint16 button, qint16 shift, double x, double y) {
        into.push_back({button, shift, x, y});
    };
}
} // namespace

TEST(ControlMouseEvents, ButtonsShiftAndPositionsInTheControlsScale) {
    MouseForm form;
    std::vector<Raised> down, move, up;
    record(form.twipsBox.MouseDown, down);
    record(form.twipsBox.MouseMove, move);
    record(form.twipsBox.MouseUp, up);

    QWidget* widget = form.twipsBox.widget();
    send(widget, QEvent::MouseButtonPress, {3, 4}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    send(widget, QEvent::MouseMove, {5, 6}, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
         Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
    send(widget, QEvent::MouseButtonRelease, {7, 8}, Qt::MiddleButton, Qt::NoButton);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].button, 2);
    EXPECT_EQ(down[0].shift, 1);
    EXPECT_EQ(down[0].x, 45); // twips
    EXPECT_EQ(down[0].y, 60);
    ASSERT_EQ(move.size(), 1u);
    EXPECT_EQ(move[0].button, 3); // the buttons held
    EXPECT_EQ(move[0].shift, 6);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].button, 4);
    EXPECT_EQ(up[0].x, 105);

    // A pixel box reports pixels of its client area, inside its border.
    std::vector<Raised> boxDown;
    record(form.box.MouseDown, boxDown);
    send(form.box.widget(), QEvent::MouseButtonPress, {80, 90}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(boxDown.size(), 1u);
    EXPECT_EQ(boxDown[0].button, 1);
    EXPECT_EQ(boxDown[0].x, 79);
    EXPECT_EQ(boxDown[0].y, 89);
}

TEST(ControlMouseEvents, LabelsReportTwipsAndEventsStayWithTheirControl) {
    MouseForm form;
    std::vector<Raised> labelDown, boxDown;
    record(form.label.MouseDown, labelDown);
    record(form.box.MouseDown, boxDown);
    send(form.label.widget(), QEvent::MouseButtonPress, {2, 3}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(labelDown.size(), 1u);
    EXPECT_EQ(labelDown[0].x, 30);
    EXPECT_EQ(labelDown[0].y, 45);
    EXPECT_TRUE(boxDown.empty()); // not passed on to the container

    // A press on a box's drawing surface is the box's.
    std::vector<Raised> twipsDown;
    record(form.twipsBox.MouseDown, twipsDown);
    QWidget* surface = form.twipsBox.clientArea();
    send(surface, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(twipsDown.size(), 1u);
    EXPECT_TRUE(boxDown.empty());
}

TEST(ControlKeyAndFocusEvents, KeyDownAndFocusInTheOldCodes) {
    MouseForm form;
    std::vector<std::pair<qint16, qint16>> keys;
    form.twipsBox.KeyDown = [&](qint16& keyCode, qint16 shift) { keys.emplace_back(keyCode, shift); };
    int got = 0, lost = 0;
    form.twipsBox.GotFocus = [&] { ++got; };
    form.twipsBox.LostFocus = [&] { ++lost; };

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier | Qt::KeypadModifier);
    QApplication::sendEvent(form.twipsBox.widget(), &key);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0], (std::pair<qint16, qint16>{40, 1}));

    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QFocusEvent windowSwitch(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form.twipsBox.widget(), &in);
    QApplication::sendEvent(form.twipsBox.widget(), &out);
    QApplication::sendEvent(form.twipsBox.widget(), &windowSwitch);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 1);
}
