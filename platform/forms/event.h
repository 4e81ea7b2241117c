#pragma once
// A control's event: the handler a form connects to it, e.g.
//   cboSet.Click = [this] { cboSet_Click(); };
// Raising an event with no handler does nothing; a handler always runs inside the guard.

#include "guard.h"

#include <functional>

template <class... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event& operator=(Handler handler) {
        m_handler = std::move(handler);
        return *this;
    }

    void operator()(Args... args) const {
        if (!m_handler) return;
        // A copy, so a handler that replaces itself does not destroy what is running.
        const Handler handler = m_handler;
        runGuarded([&] { handler(std::forward<Args>(args)...); });
    }

private:
    Handler m_handler;
};
