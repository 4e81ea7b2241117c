#include "frmCard3rd.h"

#include "runtime/colour.h"

FormInstance<FrmCard3rd> frmCard3rd;

FrmCard3rd::FrmCard3rd() : SmallCardDialogs(thirdEditionLayout()), pic3rdCard(previewContainer) {}

void FrmCard3rd::InitCard3rd() {
    initCard();
}

// One-line types are a 2nd-edition layout: the corner labels keep their places here.
void FrmCard3rd::layOutCardType(const CornerTexts& corners, bool oneLine) {
    Q_UNUSED(oneLine);
    lblType[0].setCaption(corners.upperLeft);
    lblType[1].setCaption(corners.upperRight);
}

// Craft wins over strength when the text names both.
void FrmCard3rd::ColourBoldText() {
    const QString caption = lblBold.Caption().toUpper();
    if (caption.contains(QStringLiteral("CRAFT")))
        lblBold.setForeColor(RGB(22, 38, 117));
    else if (caption.contains(QStringLiteral("STRENGTH")))
        lblBold.setForeColor(RGB(250, 46, 11));
    else
        lblBold.setForeColor(vbBlack);
}
