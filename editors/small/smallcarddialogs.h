#pragma once
// What the small-card editors open over themselves: the card-type and card-back dialogs,
// whose choice goes into the shown card, the card list, and the statistics of the set's cards.
// A dialog may add, delete or change rows of the lookups, so the editor reads them afresh
// however the dialog closes.

#include "smallcardpictures.h"

class SmallCardDialogs : public SmallCardPictures {
protected:
    explicit SmallCardDialogs(const SmallCardLayout& layout);

private:
    void cmdGetType_Click();
    void cmdGetCardBack_Click();
    void cmdSort_Click();
    void cmdStat_Click();
};
