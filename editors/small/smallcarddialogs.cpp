#include "smallcarddialogs.h"
#include "frmCardBacks.h"
#include "frmCardList.h"
#include "frmCardType.h"
#include "smallcardstatistics.h"

#include "modData.h"
#include "storedvalues.h"

#include "forms/dialogs.h"
#include "forms/loadingscope.h"

namespace {
// Unloads a dialog when the handler that loaded it ends, also on an error.
template <class F> class LoadedFor {
public:
    explicit LoadedFor(FormInstance<F>& instance) : m_instance(instance) {}
    ~LoadedFor() { m_instance.unload(); }
    LoadedFor(const LoadedFor&) = delete;
    LoadedFor& operator=(const LoadedFor&) = delete;
    F* operator->() { return &m_instance.get(); }

private:
    FormInstance<F>& m_instance;
};
} // namespace

SmallCardDialogs::SmallCardDialogs(const SmallCardLayout& layout) : SmallCardPictures(layout) {
    cmdGetCardBack.Click = [this] { cmdGetCardBack_Click(); };
    cmdStat.Click = [this] { cmdStat_Click(); };
    if (layout.edition == 2) {
        cmdGetType.Click = [this] { cmdGetType_Click(); };
        cmdSort.Click = [this] { cmdSort_Click(); };
    } else {
        // The type dialog and the card list serve 2nd-edition cards only: no dead buttons.
        cmdGetType.setVisible(false);
        cmdSort.setVisible(false);
    }
}

void SmallCardDialogs::cmdGetType_Click() {
    if (rsCardType) rsCardType->close();
    rsCardType.reset();
    LoadedFor dialog(frmCardType);
    dialog->Show(vbModal);
    rsCardType = GetRecordset(QStringLiteral("SELECT * FROM tblCardType ORDER BY LanguageID, UpperLeft, "
                                             "LowerLeft, Number"));
    const LoadingScope loading(bLoading);
    FillTypeCombo();
    // The number stays as it is: only a choice in the type list brings the type's number.
    if (dialog->bOK) {
        writeCardField(QStringLiteral("CardTypeID"), dialog->CardTypeID);
        DrawCard();
    }
    SelectComboItem(cboType, stored::number(shownCard(), QStringLiteral("CardTypeID")));
}

void SmallCardDialogs::cmdGetCardBack_Click() {
    if (rsCardBack) rsCardBack->close();
    rsCardBack.reset();
    LoadedFor dialog(frmCardBacks);
    dialog->InitBacks(qint16(layout().edition));
    dialog->Show(vbModal);
    rsCardBack =
        GetRecordset(QStringLiteral("SELECT * FROM tblCardBack ORDER BY LanguageID, Original, BackText"));
    const LoadingScope loading(bLoading);
    FillCardBackCombo();
    if (dialog->bOK) {
        writeCardField(QStringLiteral("CardBackID"), dialog->CardBackID);
        DrawCard();
    }
    SelectComboItem(cboCardBack, stored::number(shownCard(), QStringLiteral("CardBackID")));
}

// The list renumbers the cards, and may move them, however it closes: the editor reads them
// again in their new order and stays on its card unless another was chosen.
void SmallCardDialogs::cmdSort_Click() {
    qint32 cardID = shownCardID();
    {
        LoadedFor dialog(frmCardList);
        dialog->FillList();
        dialog->Show(vbModal);
        if (dialog->SelectOut) cardID = dialog->ChoosenCardID;
    }
    showCardAfterReopening(cardID);
}

void SmallCardDialogs::cmdStat_Click() {
    MsgBox(cardStatistics(iSetID, layout().typeCorner), vbInformation, QStringLiteral("Cards used in set"));
}
