#include "platform/window_registry.h"

#include <QCoreApplication>
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

// Two window types, one derived from the other: each keeps its own instance.
class Settings : public QWidget {};
class WideSettings : public Settings {};

TEST(WindowRegistry, KeepsOneWindowPerExactTypeAndMakesItAfreshOnceUnloaded) {
    WindowRegistry registry;
    int made = 0;
    const auto settings = [&registry, &made]() -> Settings& {
        return registry.single<Settings>([&made] {
            ++made;
            return new Settings;
        });
    };
    WideSettings& wide = registry.single<WideSettings>([] { return new WideSettings; });
    // A loaded window of a derived type is not the base type's instance.
    EXPECT_EQ(registry.loaded<Settings>(), nullptr);
    Settings& first = settings();
    EXPECT_EQ(&settings(), &first);
    EXPECT_EQ(registry.loaded<Settings>(), &first);
    EXPECT_EQ(registry.loaded<WideSettings>(), &wide);
    EXPECT_EQ(registry.windows(), QList<QWidget*>({&wide, &first}));
    EXPECT_EQ(made, 1);

    // Discarded from inside its own handler: gone from the list at once,
    // deleted later; the next use makes a new one.
    QPointer<QWidget> discarded = &first;
    registry.discard(&first);
    EXPECT_FALSE(discarded.isNull());
    EXPECT_EQ(registry.loaded<Settings>(), nullptr);
    Settings& second = settings();
    EXPECT_EQ(made, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(discarded.isNull());
    EXPECT_EQ(registry.loaded<Settings>(), &second);

    registry.unload(&second);
    settings();
    EXPECT_EQ(made, 3);
    for (QWidget* window : registry.windows())
        delete window;
}

} // namespace
