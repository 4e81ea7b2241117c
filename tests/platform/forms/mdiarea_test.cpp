// The MDI area keeps in view what the user works on: the control that the keyboard or the
// code gives the focus, and a child window as it is shown.
#include "forms/forminstance.h"
#include "forms/label.h"
#include "forms/mdiarea.h"
#include "forms/textbox.h"
#include "testform.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
// The program's main window: the one holding the MDI area, smaller than its child windows.
class MainForm : public TestForm {
public:
    MainForm() {
        setWidth(6000);
        setHeight(4500);
        mdiArea.Move(0, 0, 6000, 4500);
    }
    MdiArea mdiArea{*this, QStringLiteral("mdiArea")};
};

// A child window twice as large as the area, with a field in each corner, in tab order
// clockwise from the top left. The bottom-left one has a label with an access key.
class Editor : public Form {
public:
    Editor() : Form(QStringLiteral("frmEditor"), Kind::MdiChild) {
        setWidth(12000);
        setHeight(9000);
        txtTopLeft.Move(300, 300, 1500, 300);
        txtTopRight.Move(10000, 300, 1500, 300);
        txtBottomRight.Move(10000, 8000, 1500, 300);
        lblBottomLeft.setCaption(QStringLiteral("&Notes:"));
        lblBottomLeft.Move(300, 8000, 900, 300);
        txtBottomLeft.Move(1300, 8000, 1500, 300);
    }
    TextBox txtTopLeft{*this, QStringLiteral("txtTopLeft")};
    TextBox txtTopRight{*this, QStringLiteral("txtTopRight")};
    TextBox txtBottomRight{*this, QStringLiteral("txtBottomRight")};
    Label lblBottomLeft{*this, QStringLiteral("lblBottomLeft")};
    TextBox txtBottomLeft{*this, QStringLiteral("txtBottomLeft")};
};

class MdiAreaView : public ::testing::Test {
protected:
    MdiAreaView() {
        main.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        // A button that an earlier test's double click left held would read as a drag.
        if (QGuiApplication::mouseButtons() & Qt::LeftButton) QTest::mouseRelease(&main, Qt::LeftButton);
    }
    ~MdiAreaView() override {
        first.unload();
        second.unload();
        main.Hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QMdiArea& area() { return *static_cast<QMdiArea*>(main.mdiArea.widget()); }
    QScrollBar& horizontal() { return *area().horizontalScrollBar(); }
    QScrollBar& vertical() { return *area().verticalScrollBar(); }
    // Where the widget stands in the area's view.
    QRect inView(const QWidget* widget) {
        return {widget->mapTo(area().viewport(), QPoint(0, 0)), widget->size()};
    }
    bool wholeInView(const QWidget* widget) { return area().viewport()->rect().contains(inView(widget)); }

    MainForm main;
    FormInstance<Editor> first;
    FormInstance<Editor> second;
};

TEST_F(MdiAreaView, AControlTheKeyboardOrTheCodeFocusesScrollsIntoView) {
    Editor& editor = first.get();
    editor.Show();
    editor.txtTopLeft.SetFocus();
    ASSERT_GT(horizontal().maximum(), 0);
    ASSERT_GT(vertical().maximum(), 0);
    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    const struct {
        const char* how;
        std::function<void()> move;
        TextBox& focused;
    } steps[] = {
        {"Tab", tab, editor.txtTopRight},
        {"Tab", tab, editor.txtBottomRight},
        {"access key", [&] { QTest::keyClick(&editor, Qt::Key_N, Qt::AltModifier); }, editor.txtBottomLeft},
        {"Shift+Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier); },
         editor.txtBottomRight},
        {"code", [&] { editor.txtTopLeft.SetFocus(); }, editor.txtTopLeft},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.how);
        SCOPED_TRACE(step.focused.Name().toStdString());
        step.move();
        ASSERT_EQ(QApplication::focusWidget(), step.focused.widget());
        EXPECT_TRUE(wholeInView(step.focused.widget()))
            << inView(step.focused.widget()).x() << "," << inView(step.focused.widget()).y();
    }
}

// A field in view takes the focus without scrolling; nor does a click scroll, so that a drag
// that starts with it keeps its place.
TEST_F(MdiAreaView, AControlInViewOrClickedScrollsNothing) {
    Editor& editor = first.get();
    editor.Show();
    ASSERT_TRUE(wholeInView(editor.txtTopLeft.widget()));
    editor.txtBottomRight.SetFocus();
    horizontal().setValue(0);
    vertical().setValue(0);
    editor.txtTopLeft.SetFocus();
    EXPECT_EQ(horizontal().value(), 0);
    EXPECT_EQ(vertical().value(), 0);

    // A field standing half out of the view's right edge.
    QWidget* clicked = editor.txtTopRight.widget();
    horizontal().setValue(inView(clicked).center().x() - area().viewport()->width());
    const int scrolled = horizontal().value();
    ASSERT_FALSE(wholeInView(clicked));
    ASSERT_TRUE(area().viewport()->rect().contains(inView(clicked).topLeft() + QPoint(2, 2)));
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(QApplication::focusWidget(), clicked);
    EXPECT_EQ(horizontal().value(), scrolled);
}

// The area scrolled while a window was shown; the window closes and another, loaded hidden
// before, is shown: it stands with its top-left corner in view.
TEST_F(MdiAreaView, AWindowShownAfterScrollingStandsInView) {
    Editor& closed = first.get();
    Editor& opened = second.get();
    closed.Show();
    for (QScrollBar* bar : {&horizontal(), &vertical()})
        bar->setValue(bar->maximum());
    ASSERT_GT(horizontal().value(), 0);
    closed.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    opened.Show();
    const QWidget* frame = opened.parentWidget();
    ASSERT_NE(qobject_cast<const QMdiSubWindow*>(frame), nullptr);
    EXPECT_TRUE(area().viewport()->rect().contains(inView(frame).topLeft()))
        << inView(frame).x() << "," << inView(frame).y();

    // A window that fits is shown whole, wherever it was placed.
    opened.Hide();
    opened.setLeft(9000);
    opened.setTop(6000);
    opened.setWidth(3000);
    opened.setHeight(2250);
    opened.Show();
    EXPECT_TRUE(wholeInView(frame)) << inView(frame).x() << "," << inView(frame).y();
}
} // namespace
