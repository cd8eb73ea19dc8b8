#pragma once

#include <QString>

class EditorSurface;

// What a find or replace window remembers between its steps. Positions are
// 1-based; a hit at position p is the editor selection starting at p - 1.
struct SearchState {
    // Where the last hit starts; 0 when there is none. The next step begins
    // one character after it, so overlapping hits are all found.
    int SearchPos = 0;
    // The last position at which a hit may start.
    int ScopeEnd = 0;
    int HitCount = 0;
    // Hits replaced one at a time since the start.
    int ReplaceCount = 0;
    // The editor selection a search limited to it started from; replace-all
    // limited to the selection works on this range.
    int SavedSelStart = 0;
    int SavedSelLength = 0;
    bool SelectionOnly = false;
};

// What the user asks for: the search text, the replacement and the case option.
struct SearchRequest {
    QString what;
    QString with;
    bool matchCase = true;
};

// Starts a search over the editor selection (selectionOnly) or the whole
// text and zeroes the counts. A search over the whole text keeps the saved
// selection of an earlier one.
void StartSearch(const EditorSurface& surface, SearchState& state, bool selectionOnly);

// Finds the next hit after SearchPos in the text as it is now. A hit counts
// and becomes the editor selection when it starts at or before ScopeEnd, even
// if it runs past it; true then. false when the search has ended: no hit in
// scope. Nothing is selected or counted then. An empty search text is a
// zero-length hit on every character of the scope in turn.
[[nodiscard]] bool FindNextHit(EditorSurface& surface, SearchState& state,
                               const SearchRequest& request);

// Replaces the editor selection, which the last step made the hit, by the
// replacement and counts it; the selection is taken as it stands, even when
// the user has moved it since. The scope end and the saved selection move by
// the change in length, so the scope keeps covering the same text. Then finds
// the next hit, starting one character after the start of the hit; returns
// what FindNextHit returns.
[[nodiscard]] bool ReplaceHit(EditorSurface& surface, SearchState& state,
                              const SearchRequest& request);

// Replaces every occurrence of the search text, exactly and case-sensitively
// whatever the case option, in the whole text or, for a search limited to the
// selection, in the saved selection. One write to the surface, and none when
// nothing is found. Returns the number of replacements.
int ReplaceAllHits(EditorSurface& surface, const SearchState& state, const SearchRequest& request);
