#pragma once
// The small-card editor of 2nd-edition sets: four corner texts at the top of the card,
// which may also stand on one centred line.

#include "smallcarddialogs.h"

class FrmCard2nd : public SmallCardDialogs {
    Q_OBJECT
public:
    FrmCard2nd();

    void InitCard2nd();

    PictureBox& pic2ndCard;

protected:
    void layOutCardType(const CornerTexts& corners, bool oneLine) override;
};

extern FormInstance<FrmCard2nd> frmCard2nd;
