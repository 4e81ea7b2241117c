#pragma once
// The one global instance of a window, e.g. in the window's header
//   extern FormInstance<FrmCard2nd> frmCard2nd;
// so that code reads frmCard2nd->DrawCard(). Any use through -> or get() loads the window
// (created hidden, its load handler run once); ifLoaded() and isLoaded() never do.
//
// Every instance joins the list of the program's windows, so that a walk over all windows
// (FormInstanceBase::all) reaches each one without being told of it.

#include "form.h"

#include <QPointer>
#include <memory>
#include <vector>

class FormInstanceBase {
public:
    FormInstanceBase(const FormInstanceBase&) = delete;
    FormInstanceBase& operator=(const FormInstanceBase&) = delete;

    // The window, loaded if it was not.
    virtual Form& form() = 0;
    virtual void unload() = 0;

    // Every window instance of the program, in the order they were made.
    static const std::vector<FormInstanceBase*>& all();

protected:
    FormInstanceBase();
    ~FormInstanceBase();
};

template <class F> class FormInstance : public FormInstanceBase {
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
    Form& form() override { return get(); }

    F* ifLoaded() const { return isLoaded() ? m_form.data() : nullptr; }
    bool isLoaded() const { return m_form && !m_form->isUnloaded(); }

    // Runs the unload handler; unless it cancels, the window goes and a later use loads
    // a new one.
    void unload() override {
        if (F* form = ifLoaded()) form->Unload();
    }

private:
    QPointer<F> m_form;
};
