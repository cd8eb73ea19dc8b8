#pragma once

#include "core/colour/colour_rule_set.h"

#include <QString>

class QWidget;

// The file in the program folder that holds the colour rules.
inline const QString ColorRulesFileName = QStringLiteral("default.rqc");

// The open and save dialogs' filter for rule-set files.
inline const QString ColorSetFilter = QStringLiteral("Tarvel Qor Definice barev (*.rqc)|*.rqc");

// Writes set to path, with ".rqc" appended unless it ends in exactly ".rqc",
// replacing any file there; on success that path becomes set.FilePath. An
// empty path does nothing. Only the name written counts: a pipe, device or
// folder there is never written, while one at the name chosen is passed by
// for the file beside it ("/dev/null" writes "/dev/null.rqc"). The file is
// written beside its target and renamed into place, so a failed save,
// reported in the error box, leaves the old file and set.FilePath as they
// were. True when the file was written; the rule-set editor then enables
// its rule buttons only if the set has rules.
bool SaveColorSet(ColorRuleSet& set, const QString& path);

// Replaces set by the one in the file at path, which becomes set.FilePath.
// Any file of at least one record reads as a set, whatever its bytes. An
// empty path first asks with the open dialog, owned by owner. A cancelled
// dialog, a missing file or a folder changes nothing and shows nothing. A
// pipe or device, a file longer than the longest set (refused unread), one
// shorter than one record and a failed read are reported in the error box
// and change nothing. True when the set was replaced.
bool LoadColorSet(ColorRuleSet& set, const QString& path, QWidget* owner);

// Start-up's load of the default set into Program().ColorRules. Nothing
// there, a folder, a pipe or a device are passed by in silence; any other
// file that gives no set (too long, too short, unreadable) is reported, and
// kept as it is: SaveDefaultColorSet leaves it until the set is changed.
void LoadDefaultColorSet(const QString& path);

// Writes Program().ColorRules to the default set file at path, unless that
// file could not be read at start-up and the set is still as start-up left
// it. Other copies of the program write that file too: a set this copy has
// not changed leaves what another wrote since, and a set both changed is
// kept beside it ("default.bak.rqc", ...), named at the next start. A
// failed write is reported.
void SaveDefaultColorSet(const QString& path);

// The set as start-up left it, for SaveDefaultColorSet to tell whether this
// copy has changed it.
void RememberStartingColorSet();
