// The one global instance of a window: loaded once on first use, never by asking, and
// loaded anew after an unload.
#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/forminstance.h"
#include "forms/scripteddialogs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class FrmCounted;
FormInstance<FrmCounted> frmCounted;

class FrmCounted : public Form {
public:
    FrmCounted() : Form(QStringLiteral("frmCounted")) {
        cmdClose.Click = [this] { Unload(); };
    }

    static inline int loads = 0;
    static inline int unloads = 0;
    static inline bool cancelUnload = false;
    static inline bool loadedInstanceSeen = false;

    CommandButton cmdClose{*this, QStringLiteral("cmdClose")};

protected:
    void Form_Load() override {
        ++loads;
        // The instance is usable from its own load handler without loading again.
        loadedInstanceSeen = frmCounted.ifLoaded() == this && &frmCounted.get() == this;
    }
    void Form_Unload(int& cancel) override {
        ++unloads;
        if (cancelUnload) cancel = 1;
    }
};

void deleteUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormInstanceTest : public ::testing::Test {
protected:
    FormInstanceTest() {
        FrmCounted::loads = 0;
        FrmCounted::unloads = 0;
        FrmCounted::cancelUnload = false;
        FrmCounted::loadedInstanceSeen = false;
    }
    ~FormInstanceTest() override {
        FrmCounted::cancelUnload = false;
        frmCounted.unload();
        deleteUnloadedWindows();
    }
};

TEST_F(FormInstanceTest, FirstUseLoadsOnceHidden) {
    EXPECT_FALSE(frmCounted.isLoaded());
    EXPECT_EQ(frmCounted.ifLoaded(), nullptr);
    EXPECT_EQ(FrmCounted::loads, 0);

    FrmCounted* first = &frmCounted.get();
    EXPECT_EQ(frmCounted->Name(), QStringLiteral("frmCounted"));
    EXPECT_EQ(&frmCounted.get(), first);
    EXPECT_EQ(FrmCounted::loads, 1);
    EXPECT_TRUE(FrmCounted::loadedInstanceSeen);
    EXPECT_FALSE(first->Visible());
    EXPECT_EQ(frmCounted.ifLoaded(), first);
}

TEST_F(FormInstanceTest, UnloadClearsAndTheNextUseLoadsAgain) {
    QPointer<FrmCounted> first = &frmCounted.get();
    first->Show();
    frmCounted.unload();
    EXPECT_EQ(FrmCounted::unloads, 1);
    EXPECT_FALSE(frmCounted.isLoaded());
    EXPECT_EQ(frmCounted.ifLoaded(), nullptr);
    EXPECT_FALSE(first->Visible());
    deleteUnloadedWindows();
    EXPECT_TRUE(first.isNull());

    frmCounted->Show();
    EXPECT_EQ(FrmCounted::loads, 2);
    EXPECT_TRUE(frmCounted->Visible());
}

TEST_F(FormInstanceTest, CancelledUnloadKeepsTheWindow) {
    FrmCounted* form = &frmCounted.get();
    FrmCounted::cancelUnload = true;
    frmCounted.unload();
    EXPECT_EQ(FrmCounted::unloads, 1);
    EXPECT_EQ(frmCounted.ifLoaded(), form);
}

TEST_F(FormInstanceTest, UsersClosingUnloads) {
    QPointer<FrmCounted> form = &frmCounted.get();
    form->Show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(FrmCounted::unloads, 1);
    EXPECT_FALSE(frmCounted.isLoaded());
    deleteUnloadedWindows();
    EXPECT_TRUE(form.isNull());
}

TEST_F(FormInstanceTest, UsersCloseIsRefusedWhenTheHandlerCancels) {
    FrmCounted* form = &frmCounted.get();
    form->Show();
    FrmCounted::cancelUnload = true;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(frmCounted.isLoaded());
}

TEST_F(FormInstanceTest, WindowMayUnloadItselfFromItsOwnHandler) {
    QPointer<FrmCounted> form = &frmCounted.get();
    static_cast<QPushButton*>(form->cmdClose.widget())->click();
    EXPECT_EQ(FrmCounted::unloads, 1);
    EXPECT_FALSE(frmCounted.isLoaded());
    deleteUnloadedWindows();
    EXPECT_TRUE(form.isNull());
}
} // namespace
