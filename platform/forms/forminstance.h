#pragma once
// The one global instance of a window, e.g. in the window's header
//   extern FormInstance<FrmCard2nd> frmCard2nd;
// so that code reads frmCard2nd->DrawCard(). Any use through -> or get() loads the window
// (created hidden, its load handler run once); ifLoaded() and isLoaded() never do.

#include "form.h"

#include <QPointer>
#include <memory>

template <class F> class FormInstance {
public:
    F& get() {
        if (!isLoaded()) {
            auto form = std::make_unique<F>();
            m_form = form.get();
            form.release(); // a window deletes itself when it is unloaded
            // Set before the load handler runs, so that the handler can use the instance.
            m_form->load();
        }
        return *m_form;
    }

    F* operator->() { return &get(); }

    F* ifLoaded() const { return isLoaded() ? m_form.data() : nullptr; }
    bool isLoaded() const { return m_form && !m_form->isUnloaded(); }

    // Runs the unload handler; unless it cancels, the window goes and a later use loads
    // a new one.
    void unload() {
        if (F* form = ifLoaded()) form->Unload();
    }

private:
    QPointer<F> m_form;
};
