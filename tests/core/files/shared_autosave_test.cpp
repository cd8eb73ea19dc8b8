#include "core/files/shared_autosave.h"

#include <gtest/gtest.h>

namespace {

using enum ExitAutosaveStep;

const FileContent Missing;
const FileContent Unread = FileContent::Unread();
const FileContent A = FileContent::Of("první text");
const FileContent B = FileContent::Of("text jiné kopie");
const FileContent C = FileContent::Of("text této kopie");

// seen, kept: what this copy last saw in the file and last made safe of the
// tab's text; then the file now and the text now.
TEST(SharedAutosave, ExitStepOfEveryCase) {
    const struct {
        const char* meaning;
        AutosaveMemory memory;
        FileContent onDisk, text;
        ExitAutosaveStep step;
        AutosaveMemory after;
    } cases[] = {
        {"alone, changed", {A, A}, A, C, Write, {C, C}},
        {"file gone since", {A, A}, Missing, A, Write, {A, A}},
        {"unreadable then and now", {Unread, A}, Unread, C, Write, {C, C}},
        {"another wrote, this unchanged", {A, A}, B, A, Leave, {A, A}},
        {"another wrote the same text", {A, A}, C, C, Leave, {C, C}},
        {"both changed", {A, A}, B, C, KeepAside, {A, C}},
        {"kept aside before, unchanged since", {A, C}, B, C, Leave, {A, C}},
        {"another wrote, now unreadable, changed", {A, A}, Unread, C, KeepAside, {A, C}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meaning);
        const ExitAutosavePlan plan = PlanExitAutosave(c.memory, c.onDisk, c.text);
        EXPECT_EQ(plan.step, c.step);
        EXPECT_EQ(plan.after.seen, c.after.seen);
        EXPECT_EQ(plan.after.kept, c.after.kept);
    }
}

} // namespace
