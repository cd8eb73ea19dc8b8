#pragma once

#include <QString>
#include <QStringList>

// What the menu commands set in a tool window before showing it, worked out
// from the selection; the windows take these when they exist.

// The per-line column editor: the selection's lines (split at CR LF; a
// selection ending in CR LF has an empty last line), their number and the
// shortest length. An empty selection has no lines and a shortest length 0.
struct LineColumnsSetup {
    QStringList lines;
    int lineCount = 0;
    int shortestLength = 0;
};
[[nodiscard]] LineColumnsSetup LineColumnsSetupFor(const QString& selection);

// The rotation window: the text, its original and the scroll maximum.
struct RotationSetup {
    QString text;
    QString original;
    int maximum = 0;
};
[[nodiscard]] RotationSetup RotationSetupFor(const QString& selection);

// The list editor's items from a selection: one per line split at CR LF,
// empty lines included; none for an empty selection.
[[nodiscard]] QStringList ListItemsFromSelection(const QString& selection);

// The list editor's two modes.
enum class ListKind { Bulleted, Numbered };
struct ListEditorSetup {
    QString tag; // "norm" or "cis"
    bool bulletStylesShown = false;
    bool numberStylesShown = false;
};
[[nodiscard]] ListEditorSetup ListEditorSetupFor(ListKind kind);

// The custom-tag builder's two modes.
enum class CustomTagMode { Tag, Attributes };
struct CustomTagSetup {
    QString caption;
    bool nameAndEndTagEnabled = false;
};
[[nodiscard]] CustomTagSetup CustomTagSetupFor(CustomTagMode mode);

// The form builder's four modes: tab 1 builds a whole form, tabs 2 to 4 insert
// one element at once.
struct FormBuilderSetup {
    int tab = 1;
    bool tabStripEnabled = true;
    // Captions of the add buttons of tabs 2, 3 and 4 (input, text area,
    // select); empty where the mode leaves a caption as it is.
    QString inputCaption;
    QString textAreaCaption;
    QString selectCaption;
};
[[nodiscard]] FormBuilderSetup FormBuilderSetupFor(int tab);
