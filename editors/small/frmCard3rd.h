#pragma once
// The small-card editor of 3rd-edition sets: two corner texts in one row near the bottom
// of the card, and a bold text coloured by the attribute it names.

#include "smallcarddialogs.h"

class FrmCard3rd : public SmallCardDialogs {
    Q_OBJECT
public:
    FrmCard3rd();

    void InitCard3rd();

    PictureBox& pic3rdCard;

protected:
    void layOutCardType(const CornerTexts& corners, bool oneLine) override;
    void boldTextShown() override { ColourBoldText(); }

private:
    void ColourBoldText();
};

extern FormInstance<FrmCard3rd> frmCard3rd;
