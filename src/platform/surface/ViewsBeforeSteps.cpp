#include "platform/surface/ViewsBeforeSteps.h"

#include <QTextDocument>

ViewsBeforeSteps& ViewsBeforeSteps::of(QTextDocument& document) {
    auto* views = document.findChild<ViewsBeforeSteps*>(QString(), Qt::FindDirectChildrenOnly);
    return views ? *views : *new ViewsBeforeSteps(document);
}

ViewsBeforeSteps::ViewsBeforeSteps(QTextDocument& document)
    : QObject(&document), m_document(document) {
    // A step made after some were undone takes their place in the history.
    connect(&document, &QTextDocument::undoCommandAdded, this,
            [this] { dropFrom(m_document.availableUndoSteps()); });
}

void ViewsBeforeSteps::rememberForLastStep(const ViewBeforeStep& view) {
    m_views[m_document.availableUndoSteps()] = view;
}

std::optional<ViewBeforeStep> ViewsBeforeSteps::beforeNextUndo() const {
    const auto found = m_views.find(m_document.availableUndoSteps());
    if (found == m_views.end())
        return std::nullopt;
    return found->second;
}

void ViewsBeforeSteps::dropFrom(int step) {
    m_views.erase(m_views.lower_bound(step), m_views.end());
}
