#pragma once
// A program folder with its database open, for the editors' tests: buttons clicked, keys
// pressed and pointers dragged as the user does it, and picture files to choose.

#include "programfolder.h"

#include "forms/forms.h"
#include "testrows.h"

#include <QByteArray>
#include <QColor>
#include <QPointF>

#include <gtest/gtest.h>

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();

    static void click(CommandButton& button);
    int messageCount() const;
    // Sends a key press to a widget, as the keyboard would.
    static void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Presses the left button at `from` (pixels of the widget) and moves to `to` holding `held`.
    static void drag(QWidget* widget, QPointF from, QPointF to, Qt::MouseButtons held = Qt::LeftButton);
    // Writes a file of the program folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    ProgramFolder folder;
};
