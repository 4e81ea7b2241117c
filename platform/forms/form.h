#pragma once
// The base of every window. A window is one global instance (see FormInstance): created
// hidden, its load handler run once, and unloaded by code or by the user's closing it.
// A form may be a top-level window or the widget of a QMdiSubWindow; Show, Hide, Caption
// and geometry then act on the sub-window. Its controls are members of the subclass;
// their positions and sizes are in the form's ScaleMode.

#include "container.h"
#include "units.h"

#include <QWidget>

template <class F> class FormInstance;

class Form : public QWidget, public Container {
    Q_OBJECT
public:
    explicit Form(const QString& name);

    QString Name() const { return objectName(); }
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    int ScaleMode() const override { return m_scaleMode; }
    void setScaleMode(int scaleMode); // raises 380 for anything but vbTwips and vbPixels

    // The window's position and size in twips; the user's moving or resizing it counts.
    double Left() const { return m_left.in(vbTwips); }
    void setLeft(double value);
    double Top() const { return m_top.in(vbTwips); }
    void setTop(double value);
    double Width() const { return m_width.in(vbTwips); }
    void setWidth(double value);
    double Height() const { return m_height.in(vbTwips); }
    void setHeight(double value);

    void Show();
    void Hide();
    bool Visible() const;

    // Runs the unload handler; unless it cancels, hides the window and deletes it once
    // control returns to the event loop, so that a handler of the window may unload it.
    // Returns false when the handler cancelled.
    bool Unload();
    bool isUnloaded() const { return m_state == State::Unloaded; }

    QWidget* clientArea() override { return this; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { Q_UNUSED(cancel); }

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <class F> friend class FormInstance;
    void load();

    QWidget* frameWidget();
    const QWidget* frameWidget() const;
    void showGeometry();

    enum class State { Loaded, Unloading, Unloaded };
    State m_state = State::Loaded;
    int m_scaleMode = vbTwips;
    ScaledValue m_left, m_top, m_width, m_height;
};
