#pragma once
// The base of every control: its name and the properties all controls share, kept as
// plain values that a Qt widget shows. Positions and sizes are in the container's scale. A
// disabled control shows its text in the style's grey, whatever its ForeColor. A label, check
// box or option button shows its container through it until the code gives it a BackColor.
//
// Every control also raises the mouse, key and focus events in the old toolkit's codes:
// Button 1 left, 2 right, 4 middle (on a move, the mask of the buttons held); Shift 1,
// Ctrl 2, Alt 4; X and Y in the control's own scale (a container's ScaleMode, twips for
// any other control). An event goes to the control under the pointer (or with the focus)
// only, never on to the controls that contain it. KeyDown may set the key code to 0 to
// keep the key from the control.

#include "event.h"
#include "font.h"
#include "textmetrics.h"
#include "units.h"

#include <QPalette>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class Container;

// Mouse buttons, as the mouse events give them.
constexpr qint16 vbLeftButton = 1;
constexpr qint16 vbRightButton = 2;
constexpr qint16 vbMiddleButton = 4;

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
    // Places the control at its design position and size in one step.
    void Move(double left, double top, double width, double height);
    // The same in pixels, whatever the container's scale (a frame measures in twips).
    void MovePixels(double left, double top, double width, double height);
    // Where the control stands in its container, in pixels, not rounded.
    QRectF pixelGeometry() const;

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
    // What the control's text is measured and drawn with, kept while Font stays.
    const TextMetrics& textMetrics() const;

    void Refresh();
    void SetFocus();

    QWidget* widget() const { return m_widget; }
    Container& container() const { return m_container; }

    Event<qint16, qint16, double, double> MouseDown; // Button, Shift, X, Y
    Event<qint16, qint16, double, double> MouseMove;
    Event<qint16, qint16, double, double> MouseUp;
    Event<qint16&, qint16> KeyDown; // KeyCode, Shift
    Event<> GotFocus;
    Event<> LostFocus;

protected:
    // How a control shows its colours: which palette roles, and its defaults.
    struct Colours {
        QPalette::ColorRole backRole;
        QPalette::ColorRole foreRole;
        qint32 back;
        qint32 fore;
        bool seeThrough = false; // until a BackColor is set
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
    friend class ControlEventFilter;

    void showColours();
    // Raises the event's counterpart; true when the event must go no further.
    bool raiseEvent(QEvent* event);
    bool raiseMouseEvent(QEvent* event);
    double scaled(double pixels) const;

    Container& m_container;
    QString m_name;
    QPointer<QWidget> m_widget;
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<QObject> m_eventFilter;
    ScaledValue m_left, m_top, m_width, m_height;
    bool m_visible = true;
    bool m_enabled = true;
    QString m_tag;
    Colours m_colours;
    qint32 m_foreColor;
    qint32 m_backColor;
    ::Font m_font;
    mutable std::optional<TextMetrics> m_textMetrics;
};
