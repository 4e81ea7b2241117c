#include "frmCard2nd.h"
#include "cardtextrows.h"

FormInstance<FrmCard2nd> frmCard2nd;

FrmCard2nd::FrmCard2nd() : SmallCardDialogs(secondEditionLayout()), pic2ndCard(previewContainer) {}

void FrmCard2nd::InitCard2nd() {
    initCard();
}

void FrmCard2nd::layOutCardType(const CornerTexts& corners, bool oneLine) {
    if (oneLine) {
        lblType[0].setWidth(139);
        showAsPrinted(lblType[0], smallCardText(*this, SmallText::TypeOneLine).placement);
        for (size_t i = 1; i < lblType.size(); ++i)
            lblType[i].setVisible(false);
        lblNumber.setTop(16);
        lblType[0].setCaption(corners.upperLeft + QStringLiteral(" ") + corners.lowerLeft);
    } else {
        lblType[0].setWidth(57);
        showAsPrinted(lblType[0], smallCardText(*this, SmallText::TypeUpperLeft).placement);
        for (size_t i = 1; i < lblType.size(); ++i)
            lblType[i].setVisible(true);
        lblNumber.setTop(8);
        lblType[0].setCaption(corners.upperLeft);
    }
    // Hidden on one line, the other corners keep their texts.
    lblType[1].setCaption(corners.upperRight);
    lblType[2].setCaption(corners.lowerLeft);
    lblType[3].setCaption(corners.lowerRight);
}
