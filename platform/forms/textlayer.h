#pragma once
// Draws the laid-out texts of labels (Label::setTextLayout) over every control of a
// container, in the order given, cut only at the container's edges: a text that runs past
// its label, even past a box inside the container that holds the label, shows over what
// stands there, and a text drawn later lies over one drawn earlier, as on a picture on which
// the same texts were printed in that order. Mouse events pass through it.

#include <QPointer>
#include <vector>

class Container;
class Label;
class QWidget;

class TextLayer {
public:
    explicit TextLayer(Container& container);
    ~TextLayer();
    TextLayer(const TextLayer&) = delete;
    TextLayer& operator=(const TextLayer&) = delete;

    // Each label stands in the container or in a container inside it, and outlives the layer.
    void setLabels(std::vector<Label*> labels);

private:
    class Widget;
    QPointer<Widget> m_widget;
};
