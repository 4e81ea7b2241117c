#pragma once
// The error handling of a card layout, where each step is one unit. A step that fails
// because a file or folder is missing (53, 76) is skipped without a word. Any other error
// is reported ("Cannot draw picture correct") and its step skipped, the layout going on
// with the next one; only the first such error of a layout is reported, so that a fault
// that lasts neither ends the layout nor brings the message back step after step.
// Another program's lock ends the layout at once: every later step would wait for it again.

#include <functional>

class LayoutSteps {
public:
    void operator()(const std::function<void()>& step);
    // Whether a lock ended the layout.
    bool locked() const { return m_locked; }

private:
    bool m_reported = false;
    bool m_locked = false;
};
