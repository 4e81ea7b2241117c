#include "textlayer.h"
#include "container.h"
#include "label.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

class TextLayer::Widget : public QWidget {
public:
    explicit Widget(QWidget* area) : QWidget(area) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(area->rect());
        area->installEventFilter(this);
        for (QObject* child : area->children())
            if (child != this) child->installEventFilter(this);
        raise();
        show();
    }

    std::vector<Label*> labels;

protected:
    // Stays the container's size and above every control put in it later or raised in it:
    // the texts are printed after every picture.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget()) {
            if (event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
            if (event->type() == QEvent::ChildAdded) {
                QObject* child = static_cast<QChildEvent*>(event)->child();
                if (child != this) child->installEventFilter(this);
                raise();
            }
        } else if (event->type() == QEvent::ZOrderChange) {
            raise();
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (const Label* label : labels) {
            const QWidget* shown = label->widget();
            if (!shown || !shown->isVisibleTo(parentWidget())) continue;
            label->drawLaidOutText(painter, shown->parentWidget()->mapTo(parentWidget(), QPoint()) - pos());
        }
    }
};

TextLayer::TextLayer(Container& container) : m_widget(new Widget(container.clientArea())) {}

TextLayer::~TextLayer() {
    delete m_widget.data();
}

void TextLayer::setLabels(std::vector<Label*> labels) {
    for (Label* label : labels)
        label->setTextLayer(m_widget);
    m_widget->labels = std::move(labels);
    m_widget->raise();
    m_widget->update();
}
