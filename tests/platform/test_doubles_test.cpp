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

// Each double answers from its queue, then as the user would by default,
// counting those it had to make up, and records what it was asked.
TEST(ScriptedDoubles, AnswerFromTheQueueThenByDefaultCountingUnanswered) {
    ScriptedMessageBox box;
    QWidget owner;
    box.queue(Answer::No);
    const MessageBoxRequest request{u"Uložit změny?"_s, u"Tarvel"_s, Buttons::YesNoCancel,
                                    MessageBoxIcon::Question, 1};
    EXPECT_EQ(box.show(request, &owner), Answer::No);
    EXPECT_EQ(box.show(request, nullptr), Answer::Yes);
    EXPECT_EQ(box.unanswered, 1);
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_EQ(box.shown[0].owner, &owner);
    EXPECT_EQ(box.shown[1].request.text, u"Uložit změny?"_s);

    ScriptedInputBox input;
    input.queue(u"42"_s);
    input.queue(std::nullopt);
    EXPECT_EQ(input.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::optional(u"42"_s));
    EXPECT_EQ(input.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::nullopt);
    EXPECT_EQ(input.unanswered, 0);
    EXPECT_EQ(input.ask(u"Počet:"_s, u"Tabulka"_s, u"3"_s, nullptr), std::nullopt);
    EXPECT_EQ(input.unanswered, 1);
    EXPECT_EQ(input.asked.value(0).defaultText, u"3"_s);

    ScriptedFileDialogs dialogs;
    dialogs.openAnswers = {u"/tmp/a.txt"_s};
    dialogs.saveAnswers = {u"/tmp/b.html"_s};
    dialogs.folderAnswers = {u"/tmp"_s};
    const FileDialogRequest files{u"Text|*.txt"_s, u"/home"_s};
    EXPECT_EQ(dialogs.saveFile(files, nullptr), u"/tmp/b.html"_s);
    EXPECT_EQ(dialogs.openFile(files, nullptr), u"/tmp/a.txt"_s);
    EXPECT_EQ(dialogs.chooseFolder(u"Vyberte"_s, nullptr), u"/tmp"_s);
    EXPECT_EQ(dialogs.openFile(files, nullptr), QString());
    EXPECT_EQ(dialogs.unanswered, 1);
    EXPECT_EQ(dialogs.openRequests.size(), 2);
    EXPECT_EQ(dialogs.saveRequests.value(0).request.startFolder, u"/home"_s);
    EXPECT_EQ(dialogs.folderRequests.value(0).title, u"Vyberte"_s);
}

} // namespace
