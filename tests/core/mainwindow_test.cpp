// The main window's toolbar, the editors it shows as child windows, and its size, place
// and state kept in the settings store.
#include "frmCard.h"
#include "frmCard2nd.h"
#include "frmCard3rd.h"
#include "frmCharacter2nd.h"
#include "frmCreate.h"
#include "frmMaster.h"
#include "mainwindowtest.h"
#include "modData.h"
#include "testrows.h"
#include "windowplacement.h"

#include "forms/screen.h"
#include "runtime/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <set>

namespace {
QToolButton* toolButton(const QString& key) {
    return frmMaster->tbar.widget()->findChild<QToolButton*>(key);
}

QString windowSetting(const QString& key) {
    return GetSetting(QStringLiteral("ZQJ2"), QStringLiteral("MainWindow"), key);
}

void storeWindowSetting(const QString& key, const QString& value) {
    SaveSetting(QStringLiteral("ZQJ2"), QStringLiteral("MainWindow"), key, value);
}

// Unloads the main window and loads it again, as a new start of the program does.
void restartMainWindow() {
    frmMaster.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmMaster.get();
}

constexpr int kSmallCardButton = 3;
constexpr int kCharacterButton = 4;
} // namespace

using MainToolbar = MainWindowTest;

TEST_F(MainToolbar, ButtonsInTheirPlaces) {
    const Toolbar& tbar = frmMaster->tbar;
    ASSERT_EQ(tbar.ButtonCount(), 8);
    const QStringList keys{"exit",     "", "card2nd",   "character2nd",
                           "large2nd", "", "createall", "exporttotext"};
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(tbar.ButtonKey(i), keys[i - 1]) << i;
    for (const char* key : {"exit", "createall", "exporttotext"}) {
        ASSERT_NE(toolButton(QLatin1String(key)), nullptr) << key;
        EXPECT_FALSE(toolButton(QLatin1String(key))->icon().isNull()) << key;
    }
    EXPECT_EQ(toolButton(QStringLiteral("card2nd"))->text(), "Cards - 2nd edition");
    EXPECT_TRUE(toolButton(QStringLiteral("card2nd"))->isCheckable());
    EXPECT_EQ(toolButton(QStringLiteral("createall"))->toolTip(), "Create all cards");
    // Icon and text side by side; the exit button, which has only its icon, is named by its tool tip.
    EXPECT_EQ(toolButton(QStringLiteral("createall"))->text(), "Create all cards");
    EXPECT_EQ(toolButton(QStringLiteral("exporttotext"))->text(), "Export all texts");
    EXPECT_EQ(toolButton(QStringLiteral("exporttotext"))->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(toolButton(QStringLiteral("exit"))->toolTip(), "Exit");
    EXPECT_EQ(toolButton(QStringLiteral("exit"))->accessibleName(), "Exit");
}

// The tops of the toolbar's rows; fails the test for a button outside the toolbar.
std::set<int> toolbarRows() {
    const QWidget* bar = frmMaster->tbar.widget();
    std::set<int> tops;
    for (const QToolButton* button : bar->findChildren<QToolButton*>()) {
        EXPECT_TRUE(bar->rect().contains(button->geometry())) << button->objectName().toStdString();
        tops.insert(button->y());
    }
    return tops;
}

TEST_F(MainToolbar, WrapsOntoMoreRowsWhenNarrowAndTheSetPanelMovesDown) {
    frmMaster->setWidth(200 * twipsPerPixel);
    EXPECT_GT(toolbarRows().size(), 1u);
    const int narrowTop = frmMaster->picSet.widget()->y();
    EXPECT_EQ(narrowTop, frmMaster->tbar.widget()->geometry().bottom() + 1);
    EXPECT_EQ(frmMaster->mdiArea.widget()->y(), frmMaster->picSet.widget()->geometry().bottom() + 1);

    frmMaster->setWidth(1200 * twipsPerPixel);
    EXPECT_EQ(toolbarRows().size(), 1u);
    EXPECT_LT(frmMaster->picSet.widget()->y(), narrowTop);
}

TEST_F(MainToolbar, FixButtonSetsTheEditorsButtonWithoutAClick) {
    Toolbar& tbar = frmMaster->tbar;
    frmMaster->FixButton(QStringLiteral("frmCard2nd"), 1);
    EXPECT_EQ(tbar.ButtonValue(3), 1);
    EXPECT_TRUE(toolButton(QStringLiteral("card2nd"))->isChecked());
    frmMaster->FixButton(QStringLiteral("frmCard3rd"), 0);
    EXPECT_EQ(tbar.ButtonValue(3), 0);
    frmMaster->FixButton(QStringLiteral("frmCharacter2nd"), 1);
    EXPECT_EQ(tbar.ButtonValue(4), 1);
    frmMaster->FixButton(QStringLiteral("frmLarge2nd"), 1);
    EXPECT_EQ(tbar.ButtonValue(5), 1);
    frmMaster->FixButton(QStringLiteral("frmOther"), 0);
    EXPECT_EQ(tbar.ButtonValue(3), 0);
    EXPECT_EQ(tbar.ButtonValue(4), 1);
    EXPECT_EQ(tbar.ButtonValue(5), 1);
    // Setting the state runs no click: no editor was shown.
    EXPECT_FALSE(frmCard2nd.isLoaded());
    EXPECT_FALSE(frmCard3rd.isLoaded());
}

TEST_F(MainToolbar, SmallCardButtonTogglesTheEditorOfTheSetsEdition) {
    // Before any set was opened the edition is 0: the 3rd-edition editor.
    toolButton(QStringLiteral("card2nd"))->click();
    ASSERT_TRUE(frmCard3rd.isLoaded());
    EXPECT_TRUE(frmCard3rd->Visible());
    toolButton(QStringLiteral("card2nd"))->click();
    EXPECT_FALSE(frmCard3rd->Visible());
    EXPECT_EQ(frmMaster->tbar.ButtonValue(kSmallCardButton), 0);

    newSet(QStringLiteral("Second"), 2);
    toolButton(QStringLiteral("card2nd"))->click();
    EXPECT_TRUE(frmCard2nd->Visible());
    EXPECT_FALSE(frmCard3rd->Visible());
    EXPECT_EQ(frmMaster->tbar.ButtonValue(kSmallCardButton), 1);
    toolButton(QStringLiteral("card2nd"))->click();
    EXPECT_FALSE(frmCard2nd->Visible());
    EXPECT_TRUE(frmCard2nd.isLoaded()); // hiding keeps it
}

// A set of the other edition never leaves a small-card editor showing its card with the other
// edition's lists: a shown editor gives way to the new edition's, a hidden one stays hidden.
TEST_F(MainToolbar, SetOfTheOtherEditionSwapsTheShownSmallCardEditor) {
    const qint32 second = newSet(QStringLiteral("Second"), 2);
    const qint32 third = newSet(QStringLiteral("Third"), 3);
    struct Step {
        qint32 set; // 0: the small-card button is clicked
        bool shown2nd;
        bool shown3rd;
    };
    const Step steps[] = {
        {0, false, true},       {second, true, false}, {third, false, true},   {0, false, false},
        {second, false, false}, {third, false, false}, {second, false, false}, {0, true, false},
    };
    int index = 0;
    for (const Step& step : steps) {
        if (step.set == 0)
            toolButton(QStringLiteral("card2nd"))->click();
        else
            SelectComboItem(frmMaster->cboSet, step.set);
        const FrmCard2nd* card2nd = frmCard2nd.ifLoaded();
        const FrmCard3rd* card3rd = frmCard3rd.ifLoaded();
        EXPECT_EQ(card2nd && card2nd->Visible(), step.shown2nd) << index;
        EXPECT_EQ(card3rd && card3rd->Visible(), step.shown3rd) << index;
        EXPECT_EQ(frmMaster->tbar.ButtonValue(kSmallCardButton), step.shown2nd || step.shown3rd ? 1 : 0)
            << index;
        // Not even hidden does the 3rd-edition editor keep a 2nd-edition set's card.
        if (iSetEditionID == 2) {
            EXPECT_EQ(card3rd, nullptr) << index;
        }
        ++index;
    }
}

TEST_F(MainToolbar, EditorsAreChildWindowsAndClosingOneUnloadsIt) {
    newSet(QStringLiteral("Second"), 2);
    toolButton(QStringLiteral("card2nd"))->click();
    auto* subWindow = qobject_cast<QMdiSubWindow*>(frmCard2nd->parentWidget());
    ASSERT_NE(subWindow, nullptr);
    EXPECT_TRUE(frmMaster->mdiArea.widget()->isAncestorOf(subWindow));

    subWindow->close(); // the editor's close box
    EXPECT_FALSE(frmCard2nd.isLoaded());
    EXPECT_EQ(frmMaster->tbar.ButtonValue(kSmallCardButton), 0);
    // A later click loads it again.
    toolButton(QStringLiteral("card2nd"))->click();
    ASSERT_TRUE(frmCard2nd.isLoaded());
    EXPECT_TRUE(frmCard2nd->Visible());
}

// Characters are offered in every set, whatever its edition.
TEST_F(MainToolbar, CharacterButtonTogglesTheCharacterEditorAndClosingItReleasesTheButton) {
    newSet(QStringLiteral("Third"), 3);
    toolButton(QStringLiteral("character2nd"))->click();
    ASSERT_TRUE(frmCharacter2nd.isLoaded());
    EXPECT_TRUE(frmCharacter2nd->Visible());
    EXPECT_EQ(frmMaster->tbar.ButtonValue(kCharacterButton), 1);
    toolButton(QStringLiteral("character2nd"))->click();
    EXPECT_FALSE(frmCharacter2nd->Visible());
    EXPECT_TRUE(frmCharacter2nd.isLoaded()); // hiding keeps it

    toolButton(QStringLiteral("character2nd"))->click();
    qobject_cast<QMdiSubWindow*>(frmCharacter2nd->parentWidget())->close();
    EXPECT_FALSE(frmCharacter2nd.isLoaded());
    EXPECT_EQ(frmMaster->tbar.ButtonValue(kCharacterButton), 0);
}

TEST_F(MainToolbar, OtherButtonsShowNothing) {
    for (const char* key : {"large2nd", "exporttotext"})
        toolButton(QLatin1String(key))->click();
    EXPECT_FALSE(frmCard2nd.isLoaded());
    EXPECT_FALSE(frmCard3rd.isLoaded());
    EXPECT_TRUE(folder().dialogs().messages().empty());
    EXPECT_TRUE(frmMaster.isLoaded());
}

TEST_F(MainToolbar, CreateAllNeedsAnOpenSet) {
    toolButton(QStringLiteral("createall"))->click();
    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    EXPECT_EQ(folder().dialogs().messages().front().prompt, "Select a set first.");
    EXPECT_EQ(folder().dialogs().messages().front().style, 48);
    EXPECT_EQ(folder().dialogs().messages().front().title, "Create cards");
}

TEST_F(MainToolbar, CreateAllRunsTheBatchAndNeverShowsTheRenderersWindow) {
    newSet(QStringLiteral("Batch"), 2);
    insertRow(QStringLiteral("tblCard"), QStringLiteral("CardID"), newSmallCardValues(1), {});
    frmCard2nd->InitCard2nd();
    const QString output = folder().file(QStringLiteral("cards"));
    ASSERT_TRUE(QDir().mkpath(output));

    QObject context;
    QTimer::singleShot(0, &context, [&] {
        FrmCreate* dialog = frmCreate.ifLoaded();
        if (!dialog || !dialog->Visible()) {
            ADD_FAILURE() << "the batch dialog is not shown";
            return;
        }
        dialog->txtSaveTo.setText(output);
        dialog->chk2ndCard.setValue(vbChecked);
        click(dialog->cmdCreate);
        EXPECT_FALSE(frmCard.ifLoaded() && frmCard->Visible()) << "during the batch";
        click(dialog->cmdDone);
    });
    toolButton(QStringLiteral("createall"))->click();

    EXPECT_EQ(QDir(output).entryList(QDir::Files).size(), 1);
    ASSERT_FALSE(folder().dialogs().messages().empty());
    EXPECT_EQ(folder().dialogs().messages().back().prompt, "Done creating cards.");
    EXPECT_FALSE(frmCreate.isLoaded());
    ASSERT_TRUE(frmCard.isLoaded());
    EXPECT_FALSE(frmCard->Visible());
}

TEST_F(MainToolbar, ExitUnloadsTheMainWindowWithItsEditorsAndKeepsItsPlace) {
    newSet(QStringLiteral("Second"), 2);
    toolButton(QStringLiteral("card2nd"))->click();
    frmMaster->setLeft(1500);
    toolButton(QStringLiteral("exit"))->click();
    EXPECT_FALSE(frmMaster.isLoaded());
    EXPECT_FALSE(frmCard2nd.isLoaded());
    EXPECT_EQ(windowSetting(QStringLiteral("LeftPos")), "1500");
}

TEST_F(MainToolbar, ExitEndsTheProgramWhenTheStoreCannotBeWritten) {
    QFile blocker(folder().file(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setSettingsFolder(blocker.fileName()); // a file where the store's folder should be

    // Run as main() runs the program: an exit that ended a loop of the test's own would leave every
    // event loop started later in this process (a modal dialog's) ending at once.
    const QObject program;
    QTimer::singleShot(0, &program, [] { toolButton(QStringLiteral("exit"))->click(); });
    QTimer::singleShot(5000, &program, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0) << "the program did not end";
    EXPECT_FALSE(frmMaster.isLoaded());
    ASSERT_EQ(folder().dialogs().messages().size(), 1u);
    EXPECT_TRUE(folder().dialogs().messages().front().prompt.contains(blocker.fileName() + "/ZQJ2.ini"));
}

using WindowPosition = MainWindowTest;

// At the first start's size the editors reach past the MDI area: scrolling reaches every corner.
TEST_F(WindowPosition, EditorsLargerThanTheAreaAreReachedByScrolling) {
    newSet(QStringLiteral("Second"), 2);
    auto* area = static_cast<QMdiArea*>(frmMaster->mdiArea.widget());
    for (const char* key : {"card2nd", "character2nd", "large2nd"}) {
        SCOPED_TRACE(key);
        toolButton(QLatin1String(key))->click();
        QMdiSubWindow* subWindow = area->activeSubWindow();
        ASSERT_NE(subWindow, nullptr);
        subWindow->move(0, 0);
        QCoreApplication::processEvents();
        ASSERT_GT(subWindow->height(), area->viewport()->height());
        EXPECT_TRUE(area->verticalScrollBar()->isVisible());

        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            bar->setValue(bar->maximum());
        EXPECT_TRUE(area->viewport()->rect().contains(subWindow->geometry().bottomRight()));
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            bar->setValue(bar->minimum());
        EXPECT_TRUE(area->viewport()->rect().contains(subWindow->geometry().topLeft()));
        toolButton(QLatin1String(key))->click(); // hidden again
    }
}

TEST_F(WindowPosition, FirstStartIsAThirdOfTheScreenAndCentred) {
    // As wide as the set panel needs, a third of the screen where that is more.
    const double width = std::min(Screen::Width(), std::max(Screen::Width() / 3, 10335.0));
    EXPECT_DOUBLE_EQ(frmMaster->Width(), width);
    EXPECT_DOUBLE_EQ(frmMaster->Height(), Screen::Height() / 3);
    EXPECT_DOUBLE_EQ(frmMaster->Left(), (Screen::Width() - width) / 2);
    EXPECT_DOUBLE_EQ(frmMaster->Top(), Screen::Height() / 3);
    EXPECT_EQ(frmMaster->WindowState(), vbWindowNormal);
}

TEST_F(WindowPosition, SizePlaceAndStateComeBackAtTheNextStart) {
    frmMaster->setLeft(1500);
    frmMaster->setTop(900);
    frmMaster->setWidth(6000);
    frmMaster->setHeight(4500);
    restartMainWindow();
    EXPECT_EQ(windowSetting(QStringLiteral("WidthPos")), "6000");
    EXPECT_EQ(windowSetting(QStringLiteral("WindowState")), "0");
    EXPECT_DOUBLE_EQ(frmMaster->Left(), 1500);
    EXPECT_DOUBLE_EQ(frmMaster->Top(), 900);
    EXPECT_DOUBLE_EQ(frmMaster->Width(), 6000);
    EXPECT_DOUBLE_EQ(frmMaster->Height(), 4500);

    // Closed maximised: only the state is written, over the last normal place.
    frmMaster->setWindowState(vbMaximized);
    restartMainWindow();
    EXPECT_EQ(windowSetting(QStringLiteral("WindowState")), "2");
    EXPECT_EQ(windowSetting(QStringLiteral("LeftPos")), "1500");
    EXPECT_EQ(frmMaster->WindowState(), vbMaximized);
}

TEST_F(WindowPosition, BadStoredValuesCountAsAbsent) {
    frmMaster.unload();
    storeWindowSetting(QStringLiteral("WidthPos"), QStringLiteral("wide"));
    storeWindowSetting(QStringLiteral("HeightPos"), QStringLiteral("-300"));
    storeWindowSetting(QStringLiteral("LeftPos"), QStringLiteral(""));
    storeWindowSetting(QStringLiteral("TopPos"), QStringLiteral("nan"));
    storeWindowSetting(QStringLiteral("WindowState"), QStringLiteral("7"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmMaster.get();
    // As wide as the set panel needs, a third of the screen where that is more.
    const double width = std::min(Screen::Width(), std::max(Screen::Width() / 3, 10335.0));
    EXPECT_DOUBLE_EQ(frmMaster->Width(), width);
    EXPECT_DOUBLE_EQ(frmMaster->Height(), Screen::Height() / 3);
    EXPECT_DOUBLE_EQ(frmMaster->Left(), (Screen::Width() - width) / 2);
    EXPECT_DOUBLE_EQ(frmMaster->Top(), Screen::Height() / 3);
    EXPECT_EQ(frmMaster->WindowState(), vbWindowNormal);
}

TEST(WindowPlacement, ANormalWindowIsPulledOntoTheScreen) {
    const auto place = [](const char* width, const char* height, const char* left, const char* top,
                          const char* state = "0") {
        return placeWindow({width, height, left, top, state}, 12000, 9000);
    };
    WindowPlacement placed = place("4000", "3000", "-100", "-50");
    EXPECT_DOUBLE_EQ(placed.left, 0);
    EXPECT_DOUBLE_EQ(placed.top, 0);
    placed = place("4000", "3000", "10000", "8000");
    EXPECT_DOUBLE_EQ(placed.left, 8000);
    EXPECT_DOUBLE_EQ(placed.top, 6000);
    EXPECT_DOUBLE_EQ(placed.width, 4000);
    // Wider than the screen: it keeps its width and ends at the right edge.
    placed = place("15000", "3000", "500", "0");
    EXPECT_DOUBLE_EQ(placed.width, 15000);
    EXPECT_DOUBLE_EQ(placed.left, -3000);
    // Minimised and maximised windows are not moved.
    placed = place("4000", "3000", "-100", "8000", "1");
    EXPECT_EQ(placed.state, vbMinimized);
    EXPECT_DOUBLE_EQ(placed.left, -100);
    EXPECT_DOUBLE_EQ(placed.top, 8000);
    // Without a stored width: a third of the screen, or what the window needs, never more than the screen.
    EXPECT_DOUBLE_EQ(placeWindow({}, 12000, 9000, 3000).width, 4000);
    EXPECT_DOUBLE_EQ(placeWindow({}, 12000, 9000, 10335).width, 10335);
    EXPECT_DOUBLE_EQ(placeWindow({}, 9000, 9000, 10335).width, 9000);
    EXPECT_DOUBLE_EQ(placeWindow({"6000", "", "", "", ""}, 12000, 9000, 10335).width, 6000);
    // The default place centres the size in force.
    placed = place("6000", "", "", "");
    EXPECT_DOUBLE_EQ(placed.height, 3000);
    EXPECT_DOUBLE_EQ(placed.left, 3000);
    EXPECT_DOUBLE_EQ(placed.top, 3000);
}
