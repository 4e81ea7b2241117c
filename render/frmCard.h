#pragma once
// The hidden renderer window: its canvases compose each kind of card from the layout the
// card's editor has just shown on its preview, and the save members take the finished
// card from them.

#include "cardimagewriter.h"
#include "cardtextrows.h"
#include "forms/forminstance.h"
#include "forms/picturebox.h"
#include "modRotatePic.h"
#include "programfiles.h"
#include "wrapahead.h"
#include "writtenfiles.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class Connection;
class KeyedUpdate;

class SmallCardWindow;

class FrmCard : public Form {
    Q_OBJECT
public:
    FrmCard();

    // Makes the artist strip (picArtistDest) of the small-card editor that asks for it.
    void RotateArtist(const QString& Artist, qint32 BGColor, bool BGPic, SmallCardWindow& editor);
    void CreateCard2nd();
    // The character card on picACard and its playing piece on picACardPP (frmCardCharacter.cpp).
    void CreateCharacter2nd();
    // The large card on picACard (frmCardLarge.cpp).
    void CreateLargeCard2nd();
    void CreateCard3rd();

    void SaveTheCard2nd();
    void SaveTheCard3rd();
    void SaveTheCharacter2nd();
    void SaveThePlayingPiece2nd();
    void SaveTheLargeCard();
    // Each preview label takes the open set's font of its text as SetCardFont gives it to
    // the canvas, colour and all, so that it shows its text as printed.
    void showSetFonts(const std::vector<CardText>& texts);

    // The set's output folder, as the save members write into it: ending in one separator;
    // backslashes of folders stored on the old platform count as separators.
    static QString outputFolder();
    // Where the save members' files are written; a batch writes them in the background.
    CardImageWriter& imageWriter() { return m_writer; }
    // While it lives, the save members check their files against the program's files and the
    // output folder as they stood at its start (neither changes during a batch), and store the
    // small cards' file names through one prepared update. Its start clears writtenFiles().
    class BatchTargets {
    public:
        explicit BatchTargets(FrmCard& renderer);
        ~BatchTargets();
        BatchTargets(const BatchTargets&) = delete;
        BatchTargets& operator=(const BatchTargets&) = delete;

    private:
        FrmCard& m_renderer;
    };

    // Why no card image can be written in the open set's picture format (it has no writer, or
    // its name cannot end a file name), with what the user can do; empty when they can be.
    QString pictureFormatFault();

    // The files written since the last batch began, with their cards.
    const WrittenFiles& writtenFiles() const { return m_writtenFiles; }

    PictureBox picACard;
    PictureBox picACardPP;
    PictureBox picWhite;
    PictureBox picArtist;
    PictureBox picCharAttribute;
    PictureBox picOriginalCharacterBackground;
    PictureBox imgChB;
    PictureBox picDummy;

private:
    void SetCardFont(qint32 fontID);
    void SetPieceFont(qint32 fontID);
    struct FontRow {
        ::Font font;
        qint32 colour;
    };
    // The font and colour SetCardFont gives the canvas.
    FontRow cardFont(qint32 fontID);
    static void showFont(Control& control, const FontRow& row);
    // The canvas takes the text's font: the set's, or for the watermark its label's own.
    void useFont(PictureBox& canvas, const CardText& text);
    // Prints the text as its row places it, in its font; inside a box of the card, the
    // box's place is `origin`.
    void printCardText(PictureBox& canvas, const CardText& text, const QString& value, QPointF origin = {});
    // The same with the caption of the text's label.
    void printCaption(PictureBox& canvas, const CardText& text, QPointF origin = {});
    // Font rows never change once a set has them: each is read once per database.
    std::optional<FontRow> fontRow(qint32 fontID);
    // The composition both small-card editions share; the edition draws its type texts.
    void composeSmallCard(SmallCardWindow& editor, const std::function<void(SmallCardWindow&)>& typeTexts,
                          bool boldInLabelColour);

    // Saving card images (frmCardSave.cpp).
    struct CardKind;
    QString MakeFileName(QString name, qint16 nr, QString code);
    // Writes frmClip.picDone in the set's picture format; a failure shows the kind's message.
    // A GIF keeps the pixels of `exactColours` exact. `written` runs once the file is written.
    void SaveCardImage(QString path, const CardKind& kind, std::vector<qint32> exactColours,
                       std::function<void()> written);
    // The file ending of a picture format; raises 380 when it has none.
    QString GetPicFormat(qint32 picFormatId);
    // The name of the format's row, "BMP" when it has no row; none when the name cannot end
    // a file name. The picture formats are reference rows: each usable name is read once per
    // database, like the fonts.
    std::optional<QString> pictureFormatEnding(qint32 picFormatId);
    // Runs one save member's steps; any error ends them with the kind's failure message, but
    // an error of the database, which goes to the caller.
    void saveReportingFailure(const CardKind& kind, const std::function<void()>& steps);
    // The colours the canvas's card was drawn in, texts and lines, which its GIF keeps exact
    // whatever its pictures hold: each font colour of the set, the artist's, white, black, the
    // card's own colour, the colours of the kind's text labels (the watermark's, ...) and `more`.
    std::vector<qint32> drawnColours(const PictureBox& canvas, const std::vector<CardText>& texts,
                                     const std::vector<qint32>& more = {});
    // Names the file, lays the face (and the back, when there is one) out on the output
    // surface with their outlines and writes it. The back is read after the face became
    // its canvas's picture; `written` runs once the file is written.
    // `title` is the record's title or name as the user knows it.
    void saveComposedCard(const CardKind& kind, const QString& baseName, const QString& title, qint16 nr,
                          PictureBox& canvas, std::vector<qint32> drawn, const std::function<Picture()>& back,
                          std::function<void()> written = {});

    std::weak_ptr<Connection> m_fontDatabase;
    std::map<qint32, std::optional<FontRow>> m_fontRows;
    std::weak_ptr<Connection> m_picFormatDatabase;
    std::map<qint32, QString> m_picFormats;
    CardImageWriter m_writer;
    std::optional<ProgramFileCheck> m_batchTargets;
    // Kept by the batch; a file's callback holds it until the file is written.
    std::shared_ptr<KeyedUpdate> m_fileNames;
    WrittenFiles m_writtenFiles;
    WrapAhead m_wrapAhead;
};

extern FormInstance<FrmCard> frmCard;
