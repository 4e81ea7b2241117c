#pragma once
// The window of the character editor: the record row, the panel of edit controls and the
// preview of the card, its back and its playing piece, with their captions, access keys,
// places and tab order. The preview controls stand at their places on the card; the
// renderer reads them from here.

#include "forms/forms.h"
#include "forms/taborder.h"
#include "forms/textlayer.h"

#include <deque>

class CharacterWindow : public Form {
    Q_OBJECT
public:
    // Record row.
    CommandButton cmdCharacterAdd;
    CommandButton cmdCharacterDelete;
    std::deque<CommandButton> cmdCharNav; // 0 first, 1 previous, 2 next, 3 last
    Label lblCurrentCardCharacter;
    CommandButton cmdSortCharacter;

    // Edit panel.
    PictureBox picCharacterRest;
    TextBox txtCharName;
    ComboBox cboStartArea;
    CheckBox chkIncludeBoard;
    ComboBox cboAlignment;
    std::deque<ComboBox> cboCharAttr; // 0 Strength, 1 Craft, 2 Gold, 3 Lives
    CheckBox chkShowPictureCharacter;
    CheckBox chkFrameCharacter;
    CommandButton cmdGetCharPic;
    CommandButton cmdDelCharPic;
    Label lblPicDimChar;
    TextBox txtSpecialAbilities;
    CommandButton cmdBackCharPic;
    CommandButton cmdDelBackCharPic;
    ComboBox cboCharacterCardback;
    CommandButton cmdGetPlayingPiecePic;
    CommandButton cmdDelPlayingPiecePic;
    Label lblPicDimPlay;

    // Preview: pixel scale, except inside the two picture frames (twips).
    PictureBox pic2ndCharacter;
    PictureBox picCharacter;
    std::deque<PictureBox> picCharAttrDisp; // indexed like cboCharAttr
    Label lblCharacter;
    Label lblObjects;
    Label lblFollowers;
    PictureBox picBackgroundChar;
    PictureBox picFrameCharacter;
    PictureBox picImageCharacter;
    Label lblPicSizeCharacter;
    Label lblAlignmentTitle;
    Label lblAlignment;
    Label lblStartTitle;
    Label lblStart;
    Label lblSpecialTitle;
    Label lblSpecial;
    Label lblAutonumberCharacter;
    std::deque<Label> lblWatermark; // 0 on the card, 1 on the playing piece
    PictureBox picSymbolCharacter;
    PictureBox picCharacterBack;
    PictureBox picPlayingPiece;
    PictureBox picPlayingPieceFrame;
    PictureBox picPlayingPieceImage;
    Label lblPlayingPieceName;

protected:
    CharacterWindow();

private:
    void placeRecordRow();
    void placePanel();
    void placeCard();
    void placePlayingPiece();
    // The panel's labels, each by the control after it in the tab order.
    using Captions = CaptionLabels;
    Captions addCaptions();
    void setTabOrder(const Captions& captions);

    std::deque<Label> m_captions; // the panel's labels
    TextLayer m_cardTexts;        // over the card box
    TextLayer m_pieceTexts;       // over the playing piece
};
