#pragma once
// A label: plain text only (a caption such as "<b>x</b>" shows as typed), CR LF shown as
// a line break, aligned left, right or centre at the top. Labels stay under the other
// controls of their container and keep their own order among themselves. A label shows its
// container through it until the code gives it a BackColor.
//
// An "&" in the caption marks the access key ("&&" shows one "&"): the letter after it is
// underlined, the "&" not drawn, and Alt with the letter moves the focus to the first
// control after the label in tab order that can take it (taborder.h). A label that shows
// data, such as a card's text, sets UseMnemonic to False: its "&" shows as typed, it has
// no access key, and its text is no caption that must fit the label.
//
// A label can leave the placing of its text to its owner, to look exactly as a picture box
// prints it (see setTextLayout); a text layer then draws it (textlayer.h).
//
// For screen readers a caption names the control it stands for: the one its access key
// reaches, if that stands in the label's container and is no button, which has a caption
// of its own.

#include "control.h"
#include "textmetrics.h"

#include <functional>
#include <vector>

#include <QPointer>

class QLabel;
class QPainter;

constexpr int vbLeftJustify = 0;
constexpr int vbRightJustify = 1;
constexpr int vbCenter = 2;

class Label : public Control {
public:
    Label(Container& container, const QString& name);
    ~Label() override;

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment); // raises 380 for anything but the three alignments
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    bool UseMnemonic() const { return m_useMnemonic; }
    void setUseMnemonic(bool useMnemonic);

    // `layout` gets the caption, the label's font and its width in pixels, and gives each
    // piece of text with its place in pixels from the label's top-left corner. The label no
    // longer draws the caption itself: the text layer it is given to draws those pieces. The
    // caption stays its text for screen readers.
    using TextLayout = std::function<std::vector<PlacedText>(const QString& caption,
                                                             const TextMetrics& metrics, double width)>;
    void setTextLayout(TextLayout layout);
    // Draws the laid-out pieces in the label's Font and ForeColor as a picture box prints
    // them, each place rounded as counted from the container's corner, which stands at
    // `containerCorner` of the painter's device. Nothing without a text layout.
    void drawLaidOutText(QPainter& painter, QPoint containerCorner) const;
    // The widget that draws the laid-out text, told of every change that moves or alters it.
    void setTextLayer(QWidget* layer);

    // Finds the control the caption names, once its window's tab order is in place; the
    // control's accessible name follows the caption from then on.
    void nameTheControlItStandsFor();

protected:
    void showGeometry() override;

private:
    QLabel* label() const;
    void showAccessibleName();
    void redrawLayer() const;

    QString m_caption;
    int m_alignment = vbLeftJustify;
    bool m_wordWrap = false;
    bool m_useMnemonic = true;
    TextLayout m_textLayout;
    QPointer<QWidget> m_textLayer;

    QPointer<QWidget> m_named;
};
