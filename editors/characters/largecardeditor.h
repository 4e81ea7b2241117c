#pragma once
// The large cards of the open set in the shared rsLargeCard: showing a card (its layout on
// the preview, then its fields in the edit controls, then the composed card), navigation,
// adding and deleting with renumbering, and the title and text edits.
//
// The editor remembers the key of the card it shows and puts rsLargeCard back on it before
// it writes: the batch may have moved the shared recordset meanwhile.

#include "largecardwindow.h"

#include "shownrecord.h"

#include <functional>

class LargeCardEditor : public LargeCardWindow {
    Q_OBJECT
public:
    // Opens the set's large cards and shows the first.
    void InitLarge2nd();
    // Shows the shown card again, so that changed set options reach the preview.
    void UpdateDisplay();
    // Lays the current card of rsLargeCard out on the preview controls.
    // False when another program's lock ended it (and was reported).
    bool DrawLargeCard();

    // 0 first, 1 previous, 2 next, 3 last; -1 shows the current card again.
    void cmdCardNav_Click(int Index);
    void cmdCardAdd_Click();
    void cmdCardDelete_Click();

    // Puts rsLargeCard on the shown card, lets `assign` set its fields and updates it, all
    // or nothing: an error cancels the edit, the edit controls show the card as stored again,
    // and the error, saying that the change was not saved, goes on to the caller.
    void editShownCard(const std::function<void(Recordset&)>& assign);

    // The key of the card shown, 0 for none.
    qint32 shownCardID() const { return m_shown.id(); }

protected:
    LargeCardEditor();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    // rsLargeCard on the shown card, for reading its fields; raises 3021 when it is gone.
    Recordset& shownCard() { return m_shown.row(); }
    void writeCardField(const QString& field, const Variant& value);

    // The frame shown by the card's UsePicture, with its UseFrame border and PicWidth.
    void showFrame(Recordset& card);
    // The handle against the frame's right edge, or where a card without a picture has it
    // printed, also when the picture was just turned off; the text column from the handle to
    // kColumnRight.
    void placeHandle(bool framed);
    void layOutTextColumn();
    // The frame's top and height and the picture's offsets, by the card's Resize.
    void placeFrameAndPicture(Recordset& card);
    // "W * H" of the frame, in pixels.
    void showFrameSize();

    bool bLoading = false;

private:
    void OpenLargeCardRecordset();
    void EnableCardControls(bool Enabled);
    void SetNewLargeCardDefaults();
    void ShowLargeCardFields();
    // The shown card's fields in the edit controls, writing nothing.
    void showStoredFields();
    void txtTitleLarge_Change();
    void txtInfoLarge_Change();
    void txtTitleLarge_GotFocus();
    void udCopyLarge_Change();
    // What the shown record needs of this editor to show its cards.
    RecordView recordView();

    ShownRecord m_shown;
};
