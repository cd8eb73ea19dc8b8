#include "core/settings/window_setups.h"

#include <algorithm>

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QStringList ListItemsFromSelection(const QString& selection) {
    // Nothing selected empties the list rather than leaving one empty item.
    if (selection.isEmpty())
        return {};
    return selection.split(CrLf);
}

LineColumnsSetup LineColumnsSetupFor(const QString& selection) {
    LineColumnsSetup setup;
    if (selection.isEmpty())
        return setup;
    setup.lines = selection.split(CrLf);
    setup.lineCount = static_cast<int>(setup.lines.size());
    const auto shortest =
        std::min_element(setup.lines.begin(), setup.lines.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
    setup.shortestLength = static_cast<int>(shortest->size());
    return setup;
}

RotationSetup RotationSetupFor(const QString& selection) {
    return {selection, selection, static_cast<int>(selection.size())};
}

ListEditorSetup ListEditorSetupFor(ListKind kind) {
    if (kind == ListKind::Bulleted)
        return {QStringLiteral("norm"), true, false};
    return {QStringLiteral("cis"), false, true};
}

CustomTagSetup CustomTagSetupFor(CustomTagMode mode) {
    if (mode == CustomTagMode::Tag)
        return {QStringLiteral("HTML - vlastní tag"), true};
    return {QStringLiteral("HTML - atributy"), false};
}

FormBuilderSetup FormBuilderSetupFor(int tab) {
    const QString add = QStringLiteral("&Přidej ...");
    const QString ok = QStringLiteral("&Ok");
    switch (tab) {
    case 2:
        return {2, false, ok, {}, {}};
    case 3:
        return {3, false, {}, ok, {}};
    case 4:
        return {4, false, {}, {}, ok};
    default:
        return {1, true, add, add, add};
    }
}
