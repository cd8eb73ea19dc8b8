#include "platform/unattended_message_box.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = MessageBoxAnswer;
using Buttons = MessageBoxButtons;

namespace {

// Nobody answers: each box is written on standard error, an empty line after
// it, and takes the answer that risks nothing, not the first button's.
TEST(UnattendedMessageBox, TellsEveryBoxOnStandardErrorAndTakesItsSafeAnswer) {
    const std::pair<Buttons, Answer> cases[] = {{Buttons::Ok, Answer::Ok},
                                                {Buttons::OkCancel, Answer::Cancel},
                                                {Buttons::YesNo, Answer::No},
                                                {Buttons::YesNoCancel, Answer::Cancel},
                                                {Buttons::RetryCancel, Answer::Cancel},
                                                {Buttons::AbortRetryIgnore, Answer::Abort}};
    MessageBoxRequest box{.text = u"Vyskytla se chyba:\r\nKód: 75"_s, .title = u"Chyba"_s};
    UnattendedMessageBox unattended;
    for (const auto& [buttons, safe] : cases) {
        SCOPED_TRACE(static_cast<int>(buttons));
        box.buttons = buttons;
        testing::internal::CaptureStderr();
        EXPECT_EQ(unattended.show(box, nullptr), safe);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Chyba\nVyskytla se chyba:\nKód: 75\n\n");
    }
}

} // namespace
