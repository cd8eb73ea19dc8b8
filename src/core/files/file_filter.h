#pragma once

#include <QString>
#include <QStringList>

// Converts the program's dialog filter, "|"-separated description/pattern
// pairs such as "Všechno (*.*)|*.*|jen text (*.txt)|*.txt", to Qt name
// filters, one per pair in order: "description (patterns)".
// - Patterns of a pair are separated by ";" and become space-separated.
// - "*.*" becomes "*", so names without a dot match as well.
// - Each pattern with letters also gets its upper-case form, because the
//   user's files come from a case-insensitive file system (INDEX.HTM).
// An empty filter gives an empty list; a trailing description without
// patterns and empty patterns are dropped.
[[nodiscard]] QStringList QtNameFilters(const QString& filter);
