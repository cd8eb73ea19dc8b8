#pragma once

#include "core/colour/colour_rule_set.h"

#include <QString>

class QWidget;

// The open and save dialogs' filter for rule-set files.
inline const QString ColorSetFilter = QStringLiteral("Tarvel Qor Definice barev (*.rqc)|*.rqc");

// Writes set to path, with ".rqc" appended unless it ends in exactly ".rqc",
// replacing any file there; on success that path becomes set.FilePath. An
// empty path does nothing. The file is written beside its target and renamed
// into place, so a failed save, reported in the error box, leaves the old
// file and set.FilePath as they were. True when the file was written; the
// rule-set editor then enables its rule buttons only if the set has rules.
bool SaveColorSet(ColorRuleSet& set, const QString& path);

// Replaces set by the one in the file at path, which becomes set.FilePath.
// An empty path first asks with the open dialog, owned by owner. A cancelled
// dialog or a file that cannot be opened changes nothing and shows nothing;
// a file shorter than one record, or a failed read, is reported in the error
// box and changes nothing. True when the set was replaced.
bool LoadColorSet(ColorRuleSet& set, const QString& path, QWidget* owner);
