#pragma once
// A frame: a captioned container. Its children are placed from its top left corner, in twips.
// The access key of its caption moves the focus to its first control in tab order.

#include "container.h"
#include "control.h"

class Frame : public Control, public Container {
public:
    Frame(Container& container, const QString& name);

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    int ScaleMode() const override { return vbTwips; }
    QWidget* clientArea() override { return widget(); }

private:
    QString m_caption;
};
