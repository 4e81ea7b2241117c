// The dialogs: the old filter strings read as Qt name filters, the scripted double, and
// Qt's message box and file dialog given what the program asked for, and where dialogs open.
#include "qstringprinter.h"
#include "testform.h"

#include "forms/dialogs.h"
#include "forms/mdiarea.h"
#include "forms/qtdialogs.h"
#include "forms/scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {
TEST(FileFilters, PairsBecomeNameFilters) {
    FileDialogRequest request;
    request.filter = QStringLiteral("Text (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_EQ(request.nameFilters(),
              (QStringList{QStringLiteral("Text (*.txt)"), QStringLiteral("All files (*)")}));

    request.filter = QStringLiteral("Pictures|*.bmp;*.jpg; *.gif|Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(request.nameFilters(), (QStringList{QStringLiteral("Pictures (*.bmp *.jpg *.gif)"),
                                                  QStringLiteral("Bitmaps (*.bmp)")}));
}

TEST(FileFilters, OddAndEmptyPartsKeepTheIndexesRight) {
    FileDialogRequest request;
    request.filter = QStringLiteral("Odd||Text|*.txt|Dangling");
    EXPECT_EQ(request.nameFilters(),
              (QStringList{QStringLiteral("Odd (*)"), QStringLiteral("Text (*.txt)")}));
    request.filterIndex = 2;
    EXPECT_EQ(request.selectedNameFilter(), QStringLiteral("Text (*.txt)"));
    request.filterIndex = 3;
    EXPECT_EQ(request.selectedNameFilter(), QString());
    request.filterIndex = 0;
    EXPECT_EQ(request.selectedNameFilter(), QString());

    request.filter.clear();
    EXPECT_TRUE(request.nameFilters().isEmpty());
}

TEST(ScriptedDialogsTest, RecordsMessagesAndAnswersQuestionsInOrder) {
    ScriptedDialogsScope dialogs;
    dialogs->answerMessageBox(vbNo);
    dialogs->answerMessageBox(vbYes);

    EXPECT_EQ(MsgBox(QStringLiteral("Saved.")), vbOK);
    EXPECT_EQ(MsgBox(QStringLiteral("Delete?"), vbYesNo + vbQuestion), vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Sure?\r\nReally?"), 52, QStringLiteral("Delete")), vbYes);
    EXPECT_EQ(dialogs->unusedAnswers(), 0);

    ASSERT_EQ(dialogs->messages().size(), 3u);
    EXPECT_EQ(dialogs->messages()[0].style, vbOKOnly);
    EXPECT_EQ(dialogs->messages()[0].title, QStringLiteral("ZQJ2"));
    EXPECT_EQ(dialogs->messages()[1].style, 36);
    EXPECT_EQ(dialogs->messages()[2].prompt, QStringLiteral("Sure?\r\nReally?"));
    EXPECT_EQ(dialogs->messages()[2].title, QStringLiteral("Delete"));
}

TEST(ScriptedDialogsTest, RecordsWhatEachDialogWasAskedFor) {
    ScriptedDialogsScope scripted;
    scripted->answerOpenFile(QStringLiteral("/tmp/a.txt"));
    scripted->answerSaveFile(std::nullopt);
    scripted->answerColour(0x123456);
    scripted->answerFolder(QString());
    scripted->answerInput(QStringLiteral("12"));

    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filterIndex = 2;
    EXPECT_EQ(dialogs().openFile(request), QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(dialogs().saveFile(request), std::nullopt);
    EXPECT_EQ(dialogs().chooseColour(0xFF, "Colour"), 0x123456);
    EXPECT_EQ(dialogs().browseForFolder(nullptr, QStringLiteral("Choose")), QString());
    EXPECT_EQ(dialogs().inputBox(QStringLiteral("Copies?"), QStringLiteral("Print"), QStringLiteral("1")),
              QStringLiteral("12"));

    const std::vector<DialogRequest>& asked = scripted->requests();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].kind, DialogRequest::Kind::OpenFile);
    EXPECT_EQ(asked[0].file.filterIndex, 2);
    EXPECT_EQ(asked[1].kind, DialogRequest::Kind::SaveFile);
    EXPECT_EQ(asked[2].colour, 0xFF);
    EXPECT_EQ(asked[3].title, QStringLiteral("Choose"));
    EXPECT_EQ(asked[4].prompt, QStringLiteral("Copies?"));
    EXPECT_EQ(asked[4].defaultText, QStringLiteral("1"));
}

TEST(ScriptedDialogsTest, ScopePutsThePreviousDialogsBack) {
    Dialogs* before = &dialogs();
    {
        ScriptedDialogsScope scripted;
        EXPECT_EQ(&dialogs(), &*scripted);
    }
    EXPECT_EQ(&dialogs(), before);
}

TEST(ScriptedDialogsDeathTest, QuestionWithoutAnAnswerStopsTheTest) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            ScriptedDialogsScope dialogs;
            MsgBox(QStringLiteral("Overwrite?"), vbYesNo);
        },
        "no answer queued for message box \"Overwrite\\?\"");
}

// Runs `inspect` on the first top-level widget of type T that shows up, from inside the
// modal loop of the dialog under test.
template <class T> void whenShown(std::function<void(T&)> inspect) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                timer->deleteLater();
                timer->stop();
                inspect(*dialog);
                return;
            }
        }
    });
    timer->start(10);
}

TEST(QtDialogsTest, MessageBoxShowsStyleAndGivesTheAnswer) {
    QtDialogs qtDialogs;
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.text(), QStringLiteral("Line one\nLine two"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Delete"));
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(qtDialogs.messageBox(QStringLiteral("Line one\r\nLine two"), 52, QStringLiteral("Delete")),
              vbNo);

    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(
        qtDialogs.messageBox(QStringLiteral("Error 13: Type mismatch"), vbCritical, QStringLiteral("ZQJ2")),
        vbOK);
}

TEST(QtDialogsTest, OpenDialogGetsTheRequest) {
    QtDialogs qtDialogs;
    FileDialogRequest request;
    request.filter = QStringLiteral("Text (*.txt)|*.txt|All files (*.*)|*.*");
    request.filterIndex = 2;
    request.defaultExtension = QStringLiteral(".txt");
    request.title = QStringLiteral("Export");
    request.mustExist = true;
    whenShown<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export"));
        EXPECT_EQ(dialog.nameFilters().size(), 2);
        EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("All files (*)"));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("txt"));
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        dialog.reject();
    });
    EXPECT_EQ(qtDialogs.openFile(request), std::nullopt);
}

// A name typed without an ending gets the ending of the filter the user picked, and the
// choice tells which filter that was.
TEST(QtDialogsTest, SaveDialogGivesTheChosenFiltersEnding) {
    QTemporaryDir folder;
    QtDialogs qtDialogs;
    FileDialogRequest request;
    request.filter = QStringLiteral("BMP (*.bmp)|*.bmp|JPG (*.jpg)|*.jpg;*.jpeg|All files (*.*)|*.*|");
    request.defaultExtension = QStringLiteral("bmp");
    request.initialFolder = folder.path();
    const struct {
        int keyDowns;
        QString ending;
    } cases[] = {{0, "bmp"}, {1, "jpg"}, {2, "bmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending.toStdString());
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            for (int i = 0; i < c.keyDowns; ++i)
                QTest::keyClick(types, Qt::Key_Down);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("Back"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::optional<FileChoice> choice = qtDialogs.saveFile(request);
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(QFileInfo(choice->path).fileName(), "Back." + c.ending);
        EXPECT_EQ(choice->filterIndex, c.keyDowns + 1);
    }
}

void place(Form& form, double left, double top, double width, double height) {
    form.setLeft(left);
    form.setTop(top);
    form.setWidth(width);
    form.setHeight(height);
}

// The program's main window: the one holding the MDI area.
class MainForm : public TestForm {
public:
    MdiArea mdiArea{*this, QStringLiteral("mdiArea")};
};

class DialogPlacement : public ::testing::Test {
protected:
    DialogPlacement() {
        place(main, 1500, 1200, 7500, 6000);
        main.Show();
    }
    ~DialogPlacement() override { main.Hide(); }

    void expectCentredOverMain(const QWidget& dialog) { expectCentredOver(dialog, main.geometry()); }
    void expectCentredOver(const QWidget& dialog, const QRect& opener) {
        const QPoint offset = dialog.geometry().center() - opener.center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        ASSERT_NE(dialog.windowHandle(), nullptr);
        EXPECT_EQ(dialog.windowHandle()->transientParent(), main.windowHandle());
    }
    // Only a close button beside the title, which keeps the title's room: without the
    // customising hint the window manager is told nothing and shows every button.
    static void expectDialogFrame(const QWidget& dialog) {
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    }

    MainForm main;
};

TEST_F(DialogPlacement, ModalFormOpensCentredOverItsOpener) {
    TestForm dialog;
    dialog.setWindowFlag(Qt::Dialog);
    place(dialog, 0, 0, 4500, 3000);
    QTimer::singleShot(0, &dialog, [&] {
        expectCentredOverMain(dialog);
        expectDialogFrame(dialog);
        dialog.Hide();
    });
    dialog.Show(vbModal);
}

TEST_F(DialogPlacement, MessageBoxOpensCentredOverItsOpener) {
    whenShown<QMessageBox>([&](QMessageBox& box) {
        expectCentredOverMain(box);
        expectDialogFrame(box);
        box.button(QMessageBox::Ok)->click();
    });
    QtDialogs().messageBox(QStringLiteral("A longer message that widens the box"), vbInformation,
                           QStringLiteral("ZQJ2"));
}

// A text taller than the screen is cut with an ellipsis, its lines keeping their starts and ends,
// so that the whole box, its button too, stays on the screen.
TEST_F(DialogPlacement, ATextTallerThanTheScreenIsCutSoThatTheBoxStaysOnIt) {
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    const struct {
        QString prompt;
        QString start, end;
    } cases[] = {
        {"Something went wrong.\r\n\r\n52, Bad file name: " + QString("AB ").repeated(3000) + "Z.BMP",
         "Something went wrong.\n\n52, Bad file name: AB AB", "AB Z.BMP"},
        {QString("AB").repeated(5000) + "Z", "ABAB", "ABZ"},
        {lines.join("\r\n"), "Line 1\nLine 2\n", QString(QChar(0x2026))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end.toStdString());
        whenShown<QMessageBox>([&](QMessageBox& box) {
            const QRect room = box.screen()->availableGeometry();
            EXPECT_TRUE(room.contains(box.geometry()));
            QAbstractButton* ok = box.button(QMessageBox::Ok);
            EXPECT_TRUE(room.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
            EXPECT_TRUE(box.text().contains(QChar(0x2026)));
            EXPECT_TRUE(box.text().startsWith(c.start));
            EXPECT_TRUE(box.text().endsWith(c.end));
            ok->click();
        });
        QtDialogs().messageBox(c.prompt, vbCritical, QStringLiteral("ZQJ2"));
    }
}

// A dialog opened from a child window of the MDI area stands over that window.
TEST_F(DialogPlacement, ADialogOfAChildWindowOpensOverTheChild) {
    TestForm child;
    main.mdiArea.Move(0, 0, 7500, 6000);
    main.mdiArea.host(child);
    child.Show();
    child.setLeft(0);
    child.setTop(0);
    child.setWidth(3000);
    child.setHeight(2250);
    auto* area = static_cast<QMdiArea*>(main.mdiArea.widget());
    area->setActiveSubWindow(area->subWindowList().constFirst());
    QMdiSubWindow* frame = area->activeSubWindow();
    ASSERT_NE(frame, nullptr);
    const QRect opener(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    ASSERT_NE(opener.center(), main.geometry().center());

    whenShown<QMessageBox>([&](QMessageBox& box) {
        expectCentredOver(box, opener);
        box.button(QMessageBox::Ok)->click();
    });
    QtDialogs().messageBox(QStringLiteral("Over the child"), vbInformation, QStringLiteral("ZQJ2"));
}
} // namespace
