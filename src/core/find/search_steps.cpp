#include "core/find/search_steps.h"

#include "core/find/text_search.h"
#include "core/text/editor_surface.h"

#include <algorithm>

void StartSearch(const EditorSurface& surface, SearchState& state, bool selectionOnly) {
    state.SelectionOnly = selectionOnly;
    if (selectionOnly) {
        state.SavedSelStart = surface.selStart();
        state.SavedSelLength = surface.selLength();
        state.SearchPos = state.SavedSelStart;
        state.ScopeEnd = state.SavedSelStart + state.SavedSelLength;
    } else {
        state.SearchPos = 0;
        state.ScopeEnd = surface.textLength();
    }
    state.HitCount = 0;
    state.ReplaceCount = 0;
}

bool FindNextHit(EditorSurface& surface, SearchState& state, const SearchRequest& request) {
    state.SearchPos =
        FindFrom(surface.text(), request.what, state.SearchPos + 1, request.matchCase);
    if (state.SearchPos == 0 || state.SearchPos > state.ScopeEnd)
        return false;
    ++state.HitCount;
    surface.setSelStart(state.SearchPos - 1);
    surface.setSelLength(static_cast<int>(request.what.size()));
    return true;
}

bool ReplaceHit(EditorSurface& surface, SearchState& state, const SearchRequest& request) {
    const int before = surface.textLength();
    surface.setSelText(request.with);
    const int change = surface.textLength() - before;
    ++state.ReplaceCount;
    state.ScopeEnd += change;
    if (state.SelectionOnly) {
        // The hit may run past the end of the range; the range never ends
        // before the hit's start.
        state.SavedSelLength =
            std::max(state.SavedSelLength + change, state.SearchPos - 1 - state.SavedSelStart);
    }
    return FindNextHit(surface, state, request);
}

int ReplaceAllHits(EditorSurface& surface, const SearchState& state, const SearchRequest& request) {
    if (request.what.isEmpty())
        return 0;
    if (!state.SelectionOnly) {
        Replaced replaced = ReplaceEvery(surface.text(), request.what, request.with);
        if (replaced.count > 0)
            surface.replaceText(replaced.text);
        return replaced.count;
    }
    surface.setSelStart(state.SavedSelStart);
    surface.setSelLength(state.SavedSelLength);
    const Replaced replaced = ReplaceEvery(surface.selText(), request.what, request.with);
    if (replaced.count > 0)
        surface.setSelText(replaced.text);
    return replaced.count;
}
