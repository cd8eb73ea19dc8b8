#pragma once

#include <QObject>
#include <QPoint>
#include <map>
#include <optional>

class QTextDocument;

// Where the user was before a step of a document's undo history: the
// selection (widget positions, valid in the text before the step) and the
// scroll position.
struct ViewBeforeStep {
    int anchor = 0;
    int position = 0;
    QPoint scroll;
};

// The views before some steps of one document's history, so undoing such a
// step can give its view back. Each is kept by the number of history items
// there are once its step is made; a new step drops those it makes stale
// (any at or past its own end), and no later step can end where a stale one
// is kept without dropping it. Made on first use and owned by the document,
// so each document of the surface keeps its own.
class ViewsBeforeSteps : public QObject {
    Q_OBJECT
public:
    [[nodiscard]] static ViewsBeforeSteps& of(QTextDocument& document);

    // Remembers view for the step just made.
    void rememberForLastStep(const ViewBeforeStep& view);
    // The view before the step the next undo takes back, if remembered.
    [[nodiscard]] std::optional<ViewBeforeStep> beforeNextUndo() const;

private:
    explicit ViewsBeforeSteps(QTextDocument& document);
    void dropFrom(int step);

    QTextDocument& m_document;
    std::map<int, ViewBeforeStep> m_views;
};
