#include "cardimagewriter.h"

#include "forms/scripteddialogs.h"
#include "runtime/vberror.h"

#include <QStringList>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {
CardImageWriter::Write failing(const QString& text, std::atomic<int>* ran = nullptr) {
    return [text, ran]() -> std::optional<CardImageWriter::Failure> {
        if (ran) ++*ran;
        return CardImageWriter::Failure{text, QStringLiteral("Title ") + text, 0, {}};
    };
}

QStringList prompts(const ScriptedDialogs& dialogs) {
    QStringList shown;
    for (const ShownMessage& message : dialogs.messages())
        shown << message.prompt;
    return shown;
}
} // namespace

TEST(CardImageWriter, AWriteAtOnceShowsItsFailureBeforeItReturns) {
    const ScriptedDialogsScope dialogs;
    CardImageWriter writer;
    writer.write(failing(QStringLiteral("A")));
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_EQ(dialogs->messages()[0].prompt, "A");
    EXPECT_EQ(dialogs->messages()[0].style, vbCritical);
    EXPECT_EQ(dialogs->messages()[0].title, "Title A");
}

TEST(CardImageWriter, BackgroundFailuresAreShownInOrderByTheEndOfTheBackground) {
    const ScriptedDialogsScope dialogs;
    CardImageWriter writer;
    std::atomic<int> ran = 0;
    {
        const CardImageWriter::Background background(writer);
        writer.write(failing(QStringLiteral("A"), &ran));
        writer.write([&ran]() -> std::optional<CardImageWriter::Failure> {
            ++ran;
            return std::nullopt;
        });
        // The next write waits for the one before and shows its failure.
        EXPECT_EQ(prompts(*dialogs), (QStringList{"A"}));
        writer.write(failing(QStringLiteral("C"), &ran));
    }
    EXPECT_EQ(ran, 3);
    EXPECT_EQ(prompts(*dialogs), (QStringList{"A", "C"}));
    EXPECT_EQ(dialogs->messages().back().title, "Title C");
}

TEST(CardImageWriter, TheEndOfTheBackgroundWaitsForTheRunningWrite) {
    const ScriptedDialogsScope dialogs;
    CardImageWriter writer;
    std::atomic<bool> finished = false;
    {
        const CardImageWriter::Background background(writer);
        writer.write([&finished]() -> std::optional<CardImageWriter::Failure> {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            finished = true;
            return std::nullopt;
        });
    }
    EXPECT_TRUE(finished);
    EXPECT_TRUE(dialogs->messages().empty());
    // After the background writes run at once again.
    writer.write(failing(QStringLiteral("B")));
    EXPECT_EQ(prompts(*dialogs), (QStringList{"B"}));
}

TEST(CardImageWriter, AFullDiskInTheBackgroundStopsTheWritesInsteadOfShowingEach) {
    const ScriptedDialogsScope dialogs;
    CardImageWriter writer;
    const CardImageWriter::Background background(writer);
    writer.write([]() -> std::optional<CardImageWriter::Failure> {
        return CardImageWriter::Failure{"full", "Title", VbError::DiskFull, "Disk full: /out/a.BMP"};
    });
    try {
        writer.wait();
        FAIL() << "a full disk must be raised";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbError::DiskFull);
        EXPECT_EQ(error.description(), "Disk full: /out/a.BMP");
    }
    EXPECT_TRUE(dialogs->messages().empty());
}
