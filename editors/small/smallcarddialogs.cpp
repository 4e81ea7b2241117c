#include "smallcarddialogs.h"
#include "smallcardstatistics.h"

#include "modData.h"

#include "forms/dialogs.h"

SmallCardDialogs::SmallCardDialogs(const SmallCardLayout& layout) : SmallCardPictures(layout) {
    cmdStat.Click = [this] { cmdStat_Click(); };
}

void SmallCardDialogs::cmdStat_Click() {
    MsgBox(cardStatistics(iSetID, layout().typeCorner), vbInformation, QStringLiteral("Cards used in set"));
}
