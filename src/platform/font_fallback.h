#pragma once

#include <QStringList>

// The families to ask for a stored font name: the name as it is, and when
// the machine lacks that font, a fixed-pitch one after it, so the text keeps
// its columns on screen and on paper.
[[nodiscard]] QStringList FontFamiliesFor(const QString& name);
