#include "frmCR.h"

#include "forms/screen.h"

FormInstance<FrmCR> frmCR;

FrmCR::FrmCR() : Form(QStringLiteral("frmCR")) {
    setWindowFlag(Qt::Dialog);
    setCaption(QStringLiteral("Compact the database"));
    setWidth(6975);
    setHeight(1815);
    // It comes before any other window, so it has none to open over.
    setLeft((Screen::Width() - Width()) / 2);
    setTop((Screen::Height() - Height()) / 2);

    Label1.setCaption(QStringLiteral(
        "You have used the ZQJ for a while now and it might be time to compact the database."));
    Label1.Move(240, 240, 6495, 255);
    Label2.setCaption(QStringLiteral("Would you like to compact the database?"));
    Label2.Move(240, 600, 6495, 255);
    cmdYes.setCaption(QStringLiteral("Yes"));
    cmdYes.Move(2400, 1200, 1335, 375);
    cmdNo.setCaption(QStringLiteral("No"));
    cmdNo.Move(3840, 1200, 1335, 375);
    cmdLater.setCaption(QStringLiteral("Remind me later"));
    cmdLater.Move(5280, 1200, 1455, 375);

    cmdYes.Click = [this] { cmdYes_Click(); };
    cmdNo.Click = [this] { cmdNo_Click(); };
    cmdLater.Click = [this] { cmdLater_Click(); };
    cmdYes.setDefault(true);
    cmdNo.setCancel(true);
}

void FrmCR::cmdYes_Click() {
    Answer = 1;
    Hide();
}

void FrmCR::cmdNo_Click() {
    Answer = 2;
    Hide();
}

void FrmCR::cmdLater_Click() {
    Answer = 3;
    Hide();
}
