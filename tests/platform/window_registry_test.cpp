#include "platform/window_registry.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QWidget> Window(const QString& name) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    return window;
}

TEST(WindowRegistry, KeepsLoadOrderWithoutRepeatsAndFindsTheFirstByName) {
    WindowRegistry registry;
    auto first = Window(u"Kalkul"_s), second = Window(u"Kalkul"_s), other = Window(u"Barvy"_s);
    registry.add(other.get());
    registry.add(first.get());
    registry.add(second.get());
    registry.add(other.get());
    EXPECT_EQ(registry.windows(), QList<QWidget*>({other.get(), first.get(), second.get()}));
    EXPECT_EQ(registry.find(u"Kalkul"_s), first.get());
    EXPECT_EQ(registry.find(u"Barvy"_s), other.get());
    EXPECT_EQ(registry.find(u"kalkul"_s), nullptr);
}

TEST(WindowRegistry, DestroyedOrUnloadedWindowLeaves) {
    WindowRegistry registry;
    auto destroyed = Window(u"MainForm"_s), kept = Window(u"Barvy"_s);
    QPointer<QWidget> unloaded = Window(u"Kalkul"_s).release();
    registry.add(destroyed.get());
    registry.add(unloaded);
    registry.add(kept.get());
    QWidget* gone = destroyed.get();
    destroyed.reset();
    EXPECT_FALSE(registry.contains(gone));
    EXPECT_EQ(registry.find(u"MainForm"_s), nullptr);

    registry.unload(unloaded);
    EXPECT_TRUE(unloaded.isNull());
    EXPECT_EQ(registry.windows(), QList<QWidget*>({kept.get()}));
}

} // namespace
