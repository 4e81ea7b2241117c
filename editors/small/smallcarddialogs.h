#pragma once
// What the small-card editors open over themselves: the statistics of the set's cards.

#include "smallcardpictures.h"

class SmallCardDialogs : public SmallCardPictures {
protected:
    explicit SmallCardDialogs(const SmallCardLayout& layout);

private:
    void cmdStat_Click();
};
