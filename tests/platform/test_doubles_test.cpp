#include "platform/testing/test_platform.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = MessageBoxAnswer;
using Buttons = MessageBoxButtons;

namespace {

TEST(MessageBoxDefaults, DefaultButtonNumbersTheButtons) {
    struct Case {
        Buttons buttons;
        int defaultButton;
        Answer expected;
    };
    const Case kCases[] = {
        {Buttons::Ok, 1, Answer::Ok},
        {Buttons::OkCancel, 2, Answer::Cancel},
        {Buttons::YesNo, 1, Answer::Yes},
        {Buttons::YesNoCancel, 2, Answer::No},
        {Buttons::YesNoCancel, 3, Answer::Cancel},
        {Buttons::RetryCancel, 1, Answer::Retry},
        {Buttons::AbortRetryIgnore, 3, Answer::Ignore},
        {Buttons::YesNo, 3, Answer::Yes},
        {Buttons::OkCancel, 0, Answer::Ok},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(DefaultAnswer({u"?"_s, u"T"_s, c.buttons, MessageBoxIcon::None, c.defaultButton}),
                  c.expected)
            << static_cast<int>(c.buttons) << " " << c.defaultButton;
    }
}

TEST(ScriptedMessageBox, AnswersFromQueueThenDefaultButtonCountingUnanswered) {
    ScriptedMessageBox box;
    QWidget owner;
    box.queue(Answer::No);
    box.queue(Answer::Cancel);
    const MessageBoxRequest request{u"Uložit změny?"_s, u"Tarvel"_s, Buttons::YesNoCancel,
                                    MessageBoxIcon::Question, 1};
    EXPECT_EQ(box.show(request, &owner), Answer::No);
    EXPECT_EQ(box.show(request, nullptr), Answer::Cancel);
    EXPECT_EQ(box.unanswered, 0);
    EXPECT_EQ(box.show(request, &owner), Answer::Yes);
    EXPECT_EQ(box.unanswered, 1);
    ASSERT_EQ(box.shown.size(), 3);
    EXPECT_EQ(box.shown[0].owner, &owner);
    EXPECT_EQ(box.shown[1].owner, nullptr);
    EXPECT_EQ(box.shown[2].request.text, u"Uložit změny?"_s);
    EXPECT_EQ(box.shown[2].request.icon, MessageBoxIcon::Question);
}

TEST(ScriptedInputBox, AnswersFromQueueThenCancels) {
    ScriptedInputBox box;
    box.queue(u"42"_s);
    box.queue(std::nullopt);
    EXPECT_EQ(box.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::optional(u"42"_s));
    EXPECT_EQ(box.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::nullopt);
    EXPECT_EQ(box.unanswered, 0);
    EXPECT_EQ(box.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::nullopt);
    EXPECT_EQ(box.unanswered, 1);
    ASSERT_EQ(box.asked.size(), 3);
    EXPECT_EQ(box.asked[0].prompt, u"Počet:"_s);
    EXPECT_EQ(box.asked[0].defaultText, u"3"_s);
}

TEST(ScriptedFileDialogs, EachKindHasItsOwnQueueThenCancels) {
    ScriptedFileDialogs dialogs;
    dialogs.openAnswers = {u"/tmp/a.txt"_s};
    dialogs.saveAnswers = {u"/tmp/b.html"_s};
    dialogs.folderAnswers = {u"/tmp"_s};
    const FileDialogRequest request{u"Text|*.txt"_s, u"/home"_s};
    EXPECT_EQ(dialogs.saveFile(request, nullptr), u"/tmp/b.html"_s);
    EXPECT_EQ(dialogs.openFile(request, nullptr), u"/tmp/a.txt"_s);
    EXPECT_EQ(dialogs.chooseFolder(u"Vyberte"_s, nullptr), u"/tmp"_s);
    EXPECT_EQ(dialogs.unanswered, 0);
    EXPECT_EQ(dialogs.openFile(request, nullptr), QString());
    EXPECT_EQ(dialogs.unanswered, 1);
    ASSERT_EQ(dialogs.openRequests.size(), 2);
    EXPECT_EQ(dialogs.openRequests[0].request.filter, u"Text|*.txt"_s);
    EXPECT_EQ(dialogs.saveRequests.value(0).request.startFolder, u"/home"_s);
    EXPECT_EQ(dialogs.folderRequests.value(0).title, u"Vyberte"_s);
}

} // namespace
