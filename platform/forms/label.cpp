#include "label.h"
#include "linebreaks.h"
#include "runtime/conversions.h"
#include "runtime/vberror.h"
#include "systemcolours.h"
#include "taborder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
Qt::Alignment qtAlignment(int alignment) {
    switch (alignment) {
    case vbRightJustify:
        return Qt::AlignRight | Qt::AlignTop;
    case vbCenter:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Below the lowest sibling that is no label, so labels paint under the container's
// other controls, as the old toolkit drew them.
void stackUnderControls(QLabel* label) {
    for (QObject* sibling : label->parent()->children()) {
        auto* widget = qobject_cast<QWidget*>(sibling);
        if (widget && widget != label && !qobject_cast<QLabel*>(widget)) {
            label->stackUnder(widget);
            return;
        }
    }
}

// The caption as a screen reader says it: no access key mark, "&&" as one "&".
QString withoutAccessKeyMark(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

// QLabel hides the "&" and underlines the key only in a label with a buddy. The label is
// its own buddy and moves the focus itself, at each press: the control after it may have
// changed, and QLabel would click a button buddy.
class CaptionLabel : public QLabel {
public:
    // The text is drawn elsewhere: QLabel draws nothing.
    bool textDrawnElsewhere = false;
    // Told when the font, colours or visibility change.
    std::function<void()> changed;

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (changed) changed();
            break;
        default:
            break;
        }
        if (event->type() != QEvent::Shortcut) return QLabel::event(event);
        if (QWidget* next = nextFocusable(this)) next->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    void paintEvent(QPaintEvent* event) override {
        if (!textDrawnElsewhere) QLabel::paintEvent(event);
    }
};
} // namespace

Label::Label(Container& container, const QString& name)
    : Control(container, name, std::make_unique<CaptionLabel>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText, true}) {
    label()->setTextFormat(Qt::PlainText);
    label()->setAlignment(qtAlignment(m_alignment));
    label()->setBuddy(label());
    stackUnderControls(label());
}

// The widget outlives the label's own members: it must no longer call on them.
Label::~Label() {
    if (auto* widget = static_cast<CaptionLabel*>(label())) widget->changed = nullptr;
}

void Label::setCaption(const QString& caption) {
    m_caption = caption;
    label()->setText(toDisplayLines(caption));
    showAccessibleName();
    redrawLayer();
}

void Label::setAlignment(int alignment) {
    if (alignment != vbLeftJustify && alignment != vbRightJustify && alignment != vbCenter)
        throw VbError(VbError::InvalidPropertyValue);
    m_alignment = alignment;
    label()->setAlignment(qtAlignment(alignment));
}

void Label::setWordWrap(bool wordWrap) {
    m_wordWrap = wordWrap;
    label()->setWordWrap(wordWrap);
}

void Label::setUseMnemonic(bool useMnemonic) {
    m_useMnemonic = useMnemonic;
    label()->setBuddy(useMnemonic ? label() : nullptr);
    // QLabel keeps the caption's key marks parsed until its text is set anew.
    label()->clear();
    label()->setText(toDisplayLines(m_caption));
}

void Label::setTextLayout(TextLayout layout) {
    m_textLayout = std::move(layout);
    auto* widget = static_cast<CaptionLabel*>(label());
    widget->textDrawnElsewhere = bool(m_textLayout);
    widget->update();
    redrawLayer();
}

void Label::setTextLayer(QWidget* layer) {
    m_textLayer = layer;
    static_cast<CaptionLabel*>(label())->changed = [this] { redrawLayer(); };
    redrawLayer();
}

void Label::showGeometry() {
    Control::showGeometry();
    redrawLayer();
}

void Label::redrawLayer() const {
    if (m_textLayer) m_textLayer->update();
}

void Label::drawLaidOutText(QPainter& painter, QPoint containerCorner) const {
    if (!m_textLayout) return;
    const TextMetrics& metrics = textMetrics();
    const QRectF place = pixelGeometry();
    painter.setFont(metrics.qFont());
    painter.setPen(displayColour(ForeColor()));
    for (const PlacedText& piece : m_textLayout(m_caption, metrics, place.width())) {
        const QPoint at(int(roundHalfEven(place.left() + piece.x)),
                        int(roundHalfEven(place.top() + piece.y)));
        metrics.draw(painter, at + containerCorner, piece.text);
    }
}

// A label that shows data, such as the record's position, may stand before a control of
// another container; a caption stands in the container of the control it names.
void Label::nameTheControlItStandsFor() {
    QWidget* target = m_useMnemonic ? accessKeyTarget(label()) : nullptr;
    const bool names = target && target->parentWidget() == label()->parentWidget() &&
                       !qobject_cast<QAbstractButton*>(target);
    m_named = names ? target : nullptr;
    showAccessibleName();
}

void Label::showAccessibleName() {
    if (m_named) m_named->setAccessibleName(withoutAccessKeyMark(toDisplayLines(m_caption)));
}

QLabel* Label::label() const {
    return static_cast<QLabel*>(widget());
}
