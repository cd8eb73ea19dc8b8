#include "platform/window_registry.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> Window(const QString& name) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    return window;
}

TEST(WindowRegistry, KeepsLoadOrderWithoutRepeats) {
    WindowRegistry registry;
    auto a = Window(u"MainForm"_s), b = Window(u"Kalkul"_s), c = Window(u"Barvy"_s);
    registry.add(b.get());
    registry.add(a.get());
    registry.add(c.get());
    registry.add(b.get());
    EXPECT_EQ(registry.windows(), QList<QWidget*>({b.get(), a.get(), c.get()}));
}

TEST(WindowRegistry, DestroyedWindowLeaves) {
    WindowRegistry registry;
    auto a = Window(u"MainForm"_s), b = Window(u"Kalkul"_s);
    registry.add(a.get());
    registry.add(b.get());
    QWidget* gone = a.get();
    a.reset();
    EXPECT_EQ(registry.windows(), QList<QWidget*>({b.get()}));
    EXPECT_FALSE(registry.contains(gone));
    EXPECT_EQ(registry.find(u"MainForm"_s), nullptr);
}

TEST(WindowRegistry, FindsFirstLoadedByObjectName) {
    WindowRegistry registry;
    auto first = Window(u"Kalkul"_s), second = Window(u"Kalkul"_s), other = Window(u"Barvy"_s);
    registry.add(other.get());
    registry.add(first.get());
    registry.add(second.get());
    EXPECT_EQ(registry.find(u"Kalkul"_s), first.get());
    EXPECT_EQ(registry.find(u"Barvy"_s), other.get());
    EXPECT_EQ(registry.find(u"kalkul"_s), nullptr);
}

TEST(WindowRegistry, UnloadDeletesTheWindow) {
    WindowRegistry registry;
    QPointer<QWidget> window = Window(u"Kalkul"_s).release();
    auto kept = Window(u"Barvy"_s);
    registry.add(window);
    registry.add(kept.get());
    registry.unload(window);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(registry.windows(), QList<QWidget*>({kept.get()}));
}

TEST(WindowTag, EmptyUntilSetOnWindowsAndControls) {
    QWidget form;
    auto* label = new QLabel(&form);
    EXPECT_EQ(WindowTag(&form), QString());
    SetWindowTag(&form, u"upraveno"_s);
    SetWindowTag(label, u"Č. 2"_s);
    EXPECT_EQ(WindowTag(&form), u"upraveno"_s);
    EXPECT_EQ(WindowTag(label), u"Č. 2"_s);
    EXPECT_EQ(form.property("Tag").toString(), u"upraveno"_s);
}

} // namespace
