#pragma once
// What the two small-card editors share: the cards of the open set in the shared rsCard,
// the type and back lists, showing a card (its layout on the preview, then its fields in
// the edit controls), navigation, adding and deleting cards with their renumbering.
//
// An editor remembers the key of the card it shows and puts rsCard back on that card
// before it writes or deletes: the other editor or the batch may have moved the shared
// recordset meanwhile. Showing a card never writes.

#include "smallcardwindow.h"

#include "shownrecord.h"

#include "db/connection.h"
#include "db/recordset.h"

#include <functional>
#include <optional>

class SmallCardEditor : public SmallCardWindow {
    Q_OBJECT
public:
    // Shows the shown card again, so that changed set options reach the preview.
    void UpdateDisplay();
    // Lays the current card of rsCard out on the preview controls.
    // False when another program's lock ended it (and was reported).
    bool DrawCard();
    // 0 first, 1 previous, 2 next, 3 last; -1 shows the current card again.
    void cmdCardNav_Click(int Index);

    // Writes one field of the shown card and updates it; a write that fails is cancelled.
    void writeCardField(const QString& field, const Variant& value);
    // Puts rsCard on the shown card, lets `assign` set its fields and updates it, all or
    // nothing: an error cancels the edit, the edit controls show the card as stored again, and
    // the error, saying that the change was not saved, goes on to the caller.
    void editShownCard(const std::function<void(Recordset&)>& assign);

    // The key of the card shown, 0 for none.
    qint32 shownCardID() const { return m_shown.id(); }

protected:
    explicit SmallCardEditor(const SmallCardLayout& layout);

    // Opens the set's cards, fills the lists and shows the first card.
    void initCard();
    // Reads the set's cards again, in their order now, and shows the one with that key, or
    // the first when it is not among them.
    void showCardAfterReopening(qint32 cardID);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_KeyDown(qint16& KeyCode, qint16 Shift) override;

    // The corner labels from the card's type texts.
    struct CornerTexts {
        QString upperLeft, lowerLeft, upperRight, lowerRight;
    };
    virtual void layOutCardType(const CornerTexts& corners, bool oneLine) = 0;
    // Runs once the bold text reached the bold label or the bold box.
    virtual void boldTextShown() {}

    // rsCard on the shown card, for reading its fields; raises 3021 when it is gone.
    Recordset& shownCard();
    // The card's labels show their texts in the set's fonts, as they are printed.
    void showSetFonts();
    // Places the frame and the picture in it from the card's offsets.
    void placeFrame(Recordset& card);
    // The information under the bold text; a frame reaching the bottom line leaves it no room.
    void placeInformationUnderBold();
    // The card's PicHeight, held within the card.
    double storedFrameHeight(Recordset& card) const;
    // lblPicDim: the frame's width and height.
    void showFrameSize();
    void FillTypeCombo();
    void FillCardBackCombo();

    bool bLoading = false;

private:
    struct NewCardDefaults {
        qint32 cardTypeID = 0;
        bool storeCardType = false; // the set had no default type yet
        QString number;
        qint32 cardBackID = 0;
        bool storeCardBack = false;
    };

    void OpenCardRecordset();
    void EnableCardControls(bool b);
    void ShowCardFields();
    // The shown card's fields in the edit controls, writing nothing.
    void showStoredFields();
    // OpenCardRecordset, and the position label's count from the last card.
    void openCards();
    void cmdCardAdd_Click();
    void cmdCardDelete_Click();
    void SetNewCardDefaults(const NewCardDefaults& defaults, qint16 nr);

    bool hasCards() const { return m_shown.hasRows(); }
    bool locateShownCard() { return m_shown.locate(); }
    void showPosition(const QString& nr, qint32 count) { ::showPosition(lblCurrentCard, nr, count); }
    std::optional<NewCardDefaults> newCardDefaults();
    // What the shown record needs of this editor to show its cards.
    RecordView recordView();
    CornerTexts cardTypeCorners(qint32 cardTypeID) const;

    ShownRecord m_shown;
};
