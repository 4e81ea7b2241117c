#pragma once
// The base of every window. A window is one global instance (see FormInstance): created
// hidden, its load handler run once, and unloaded by code or by the user's closing it. Once
// loaded, each label names the control it stands for (label.h).
// A form made as an MDI child goes into the program's MDI area (mdiarea.h) when it loads,
// if there is one, and is a top-level window otherwise; Show, Hide, Caption and geometry
// then act on its sub-window. A form holding the MDI area unloads its child forms before
// itself. Its controls are members of the subclass; their positions and sizes are in the
// form's ScaleMode.

#include "container.h"
#include "units.h"

#include <QWidget>

template <class F> class FormInstance;
class QEventLoop;

constexpr int vbModeless = 0;
constexpr int vbModal = 1;

// Window states.
constexpr int vbWindowNormal = 0;
constexpr int vbMinimized = 1;
constexpr int vbMaximized = 2;

// Ends the program: the application's event loop ends, and every window with it. Outside
// that loop (tests) it does nothing, so that later windows can still run modally.
void End();

class Form : public QWidget, public Container {
    Q_OBJECT
public:
    enum class Kind { TopLevel, MdiChild };

    explicit Form(const QString& name, Kind kind = Kind::TopLevel);
    ~Form() override;

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

    // A modal show opens the window centred over the window that opened it (see
    // dialogowner.h), and returns once the window is hidden or unloaded; meanwhile the other
    // windows take no input.
    void Show(int modal = vbModeless);
    void Hide();
    bool Visible() const;

    int WindowState() const;
    void setWindowState(int state); // raises 380 for anything but the three states

    // Runs the unload handler; unless it cancels, hides the window and deletes it once
    // control returns to the event loop, so that a handler of the window may unload it.
    // Returns false when the handler cancelled.
    bool Unload();
    bool isUnloaded() const { return m_state == State::Unloaded; }

    QWidget* clientArea() override { return this; }
    // Every control of the window, those inside its containers included, each after its
    // container.
    std::vector<Control*> Controls() const;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { Q_UNUSED(cancel); }

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <class F> friend class FormInstance;
    void load();

    QWidget* frameWidget();
    const QWidget* frameWidget() const;
    void showGeometry();
    void placeOverOwner();
    bool unloadMdiChildren();
    void endModal();

    enum class State { Loaded, Unloading, Unloaded };
    Kind m_kind;
    State m_state = State::Loaded;
    QEventLoop* m_modalLoop = nullptr; // the loop of a modal Show, while it runs
    int m_scaleMode = vbTwips;
    ScaledValue m_left, m_top, m_width, m_height;
};
