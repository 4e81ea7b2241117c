#pragma once
// The card list: the open set's small cards in number order, with their type and back.
// Opening it numbers the cards 1..n; Up and Down move the chosen card one place. The
// caller loads it, calls FillList, shows it modally, reads SelectOut and ChoosenCardID,
// and unloads it. The numbers written stay whichever way it is left.

#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/listview.h"

#include "db/connection.h"

class FrmCardList : public Form {
    Q_OBJECT
public:
    FrmCardList();

    bool SelectOut = false;   // left by Go to with a card chosen
    qint32 ChoosenCardID = 0; // the card last clicked; 0 for none
    void FillList();

    ListView lvCard{*this, QStringLiteral("lvCard")};
    CommandButton cmdUp{*this, QStringLiteral("cmdUp")};
    CommandButton cmdDown{*this, QStringLiteral("cmdDown")};
    Frame fraCardText{*this, QStringLiteral("fraCardText")};
    Label lblBold{fraCardText, QStringLiteral("lblBold")};
    Label lblInformation{fraCardText, QStringLiteral("lblInformation")};
    CommandButton cmdGoTo{*this, QStringLiteral("cmdGoTo")};
    CommandButton cmdClose{*this, QStringLiteral("cmdClose")};

protected:
    void Form_Load() override;

private:
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdGoTo_Click();
    void cmdClose_Click();
    void lvCard_ItemClick(ListItem& item);
    void lvCard_DblClick();
    void SelectCardItem(qint32 id);
    // Swaps the chosen card's number with its neighbour's, one place down or up.
    void moveChosenCard(bool down);

    RecordsetPtr rsCardList;
};

extern FormInstance<FrmCardList> frmCardList;
