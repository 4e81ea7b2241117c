// The handler guard: an error a handler leaves unhandled is shown and the program goes
// on; a loading flag never stays set after an error.
#include "testform.h"

#include "forms/combobox.h"
#include "forms/guard.h"
#include "forms/loadingscope.h"
#include "forms/scripteddialogs.h"
#include "forms/textbox.h"
#include "runtime/vberror.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
TEST(HandlerGuard, UnhandledErrorIsShownAndTheProgramGoesOn) {
    ScriptedDialogsScope dialogs;
    TestForm form;
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    int calls = 0;
    txtTitle.Change = [&] {
        ++calls;
        throw VbError(VbError::TypeMismatch);
    };

    txtTitle.setText(QStringLiteral("x"));
    txtTitle.setText(QStringLiteral("y"));

    EXPECT_EQ(calls, 2);
    EXPECT_EQ(txtTitle.Text(), QStringLiteral("y"));
    ASSERT_EQ(dialogs->messages().size(), 2u);
    const ShownMessage& shown = dialogs->messages().front();
    EXPECT_EQ(shown.prompt, QStringLiteral("Error 13: Type mismatch"));
    EXPECT_EQ(shown.style, vbCritical);
    EXPECT_EQ(shown.title, QStringLiteral("ZQJ2"));
}

TEST(HandlerGuard, ErrorInANestedHandlerStopsOnlyThatHandler) {
    ScriptedDialogsScope dialogs;
    TestForm form;
    ComboBox cboSet(form, QStringLiteral("cboSet"));
    TextBox txtTitle(form, QStringLiteral("txtTitle"));
    cboSet.AddItem(QStringLiteral("Alpha"));
    bool outerFinished = false;
    txtTitle.Change = [] { throw VbError(VbError::NoCurrentRecord); };
    cboSet.Click = [&] {
        txtTitle.setText(cboSet.Text());
        outerFinished = true;
    };

    cboSet.setListIndex(0);
    EXPECT_TRUE(outerFinished);
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_TRUE(dialogs->messages().front().prompt.startsWith(QStringLiteral("Error 3021: ")));
}

TEST(HandlerGuard, OtherExceptionsAreCaughtToo) {
    ScriptedDialogsScope dialogs;
    runGuarded([] { throw std::runtime_error("disk on fire"); });
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_TRUE(dialogs->messages().front().prompt.contains(QStringLiteral("disk on fire")));
    EXPECT_EQ(dialogs->messages().front().style, vbCritical);
}

TEST(LoadingScopeTest, FlagIsResetAfterAThrow) {
    ScriptedDialogsScope dialogs;
    bool bLoading = false;
    runGuarded([&] {
        LoadingScope loading(bLoading);
        EXPECT_TRUE(bLoading);
        throw VbError(VbError::InvalidUseOfNull);
    });
    EXPECT_FALSE(bLoading);
}

TEST(LoadingScopeTest, InnerScopeKeepsTheOuterOnesFlag) {
    bool bLoading = false;
    {
        LoadingScope outer(bLoading);
        { LoadingScope inner(bLoading); }
        EXPECT_TRUE(bLoading);
    }
    EXPECT_FALSE(bLoading);
}
} // namespace
