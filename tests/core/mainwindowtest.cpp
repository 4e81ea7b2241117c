#include "mainwindowtest.h"
#include "frmMaster.h"
#include "modData.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QTimer>

void click(CommandButton& button) {
    qobject_cast<QAbstractButton*>(button.widget())->click();
}

int countRows(const QString& sql) {
    return GetRecordset(sql)->recordCount();
}

void writeBitmap(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path, "BMP"));
}

DialogStep confirmSet(const QString& name, qint16 edition, int languageIndex) {
    return [=](FrmSetName& dialog) {
        dialog.txtName.setText(name);
        dialog.cboLanguage.setListIndex(languageIndex);
        (edition == 3 ? dialog.opt3rd : dialog.opt2nd).setValue(true);
        click(dialog.cmdOK);
    };
}

DialogStep pressCancel() {
    return [](FrmSetName& dialog) { click(dialog.cmdCancel); };
}

MainWindowTest::MainWindowTest() : m_timerContext(std::make_unique<QObject>()) {
    m_folder.emplace();
    m_folder->openDatabase();
    frmMaster->Show();
    frmMaster->InitialiseSet();
}

MainWindowTest::~MainWindowTest() {
    m_timerContext.reset();
    m_folder.reset();
    // Windows unloaded by the test go now, not in a later test's event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MainWindowTest::answerSetDialog(std::vector<DialogStep> steps) {
    runStep(std::make_shared<std::vector<DialogStep>>(std::move(steps)), 0);
}

void MainWindowTest::runStep(std::shared_ptr<std::vector<DialogStep>> steps, std::size_t index) {
    QTimer::singleShot(0, m_timerContext.get(), [this, steps, index] {
        FrmSetName* dialog = frmSetName.ifLoaded();
        if (!dialog || !dialog->Visible()) return;
        if (index >= steps->size()) {
            ADD_FAILURE() << "the set dialog is still open";
            click(dialog->cmdCancel);
            return;
        }
        (*steps)[index](*dialog);
        // The next step is for this dialog only, not for one shown later.
        if (dialog == frmSetName.ifLoaded() && dialog->Visible()) runStep(steps, index + 1);
    });
}

qint32 MainWindowTest::newSet(const QString& name, qint16 edition, int languageIndex) {
    answerSetDialog({confirmSet(name, edition, languageIndex)});
    click(frmMaster->cmdNew);
    return iSetID;
}
