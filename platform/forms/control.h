#pragma once
// The base of every control: its name and the properties all controls share, kept as
// plain values that a Qt widget shows. Positions and sizes are in the container's scale.

#include "font.h"
#include "units.h"

#include <QPalette>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class Container;

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& Name() const { return m_name; }

    double Left() const;
    void setLeft(double value);
    double Top() const;
    void setTop(double value);
    double Width() const;
    void setWidth(double value); // raises 380 when negative
    double Height() const;
    void setHeight(double value); // raises 380 when negative

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const QString& Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 bgr);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 bgr);
    const ::Font& Font() const { return m_font; }
    void setFont(const ::Font& font);

    void Refresh();
    void SetFocus();

    QWidget* widget() const { return m_widget; }
    Container& container() const { return m_container; }

protected:
    // How a control shows its colours: which palette roles, and its defaults.
    struct Colours {
        QPalette::ColorRole backRole;
        QPalette::ColorRole foreRole;
        qint32 back;
        qint32 fore;
    };

    // The widget goes into the container's client area and lives no longer than the control.
    Control(Container& container, const QString& name, std::unique_ptr<QWidget> widget,
            const Colours& colours);

    // The context of every connection to the widget's signals: it goes first, so no
    // handler runs while the control is being destroyed.
    QObject* context() const { return m_context.get(); }

    // Sets a size held in the container's scale, for AutoSize.
    void setSizeInPixels(int width, int height);

    virtual void showGeometry();

private:
    void showColours();

    Container& m_container;
    QString m_name;
    QPointer<QWidget> m_widget;
    std::unique_ptr<QObject> m_context;
    ScaledValue m_left, m_top, m_width, m_height;
    bool m_visible = true;
    bool m_enabled = true;
    QString m_tag;
    Colours m_colours;
    qint32 m_foreColor;
    qint32 m_backColor;
    ::Font m_font;
};
