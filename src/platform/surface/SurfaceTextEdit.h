#pragma once

#include <QTextEdit>
#include <functional>

// The rich-text widget under the editing surface. It routes everything the
// user puts into the text (Enter, typing, pasting, dropping) through rules the
// surface owns: Enter makes CR LF, characters outside the code page become
// "?", pasted text keeps its own line breaks, and copied text is the real
// text. Menu shortcuts win over the widget's own keys; the middle button is
// reported instead of pasting, and the right button opens no menu.
class SurfaceTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit SurfaceTextEdit(QWidget* parent = nullptr);

    // Inserts program text at the caret as one user edit.
    void setUserInsertion(std::function<void(const QString&)> insert);
    // The program text of the selection, for the clipboard and drags.
    void setSelectionText(std::function<QString()> selectionText);
    // Runs the widget's own handling of Delete and Backspace, so the surface
    // can make it one step with what it adds.
    // Undoes (false) or redoes (true) a step for the undo and redo keys, so
    // the surface can keep what the step does not hold.
    void setHistoryStep(std::function<void(bool redo)> step);
    using Deletion = std::function<void(const std::function<void()>& deleteText)>;
    void setUserDeletion(Deletion deletion);

Q_SIGNALS:
    void middleButtonClicked(const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    [[nodiscard]] bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;

private:
    std::function<void(const QString&)> m_userInsertion;
    std::function<QString()> m_selectionText;
    Deletion m_userDeletion;
    std::function<void(bool redo)> m_historyStep;
};
