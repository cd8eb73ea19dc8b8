#include "platform/default_button.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class ComboKeysPasser : public QObject {
public:
    explicit ComboKeysPasser(QWidget& window) : QObject(&window) {
        setObjectName(QStringLiteral("ComboKeysPasser"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !passedOn(*static_cast<QKeyEvent*>(event)))
            return false;
        // The box takes its completion or its text first; then the key goes on
        // up to the window as from any other control, accepted or not.
        static_cast<QObject*>(watched)->event(event);
        event->ignore();
        return true;
    }

private:
    static bool passedOn(const QKeyEvent& key) {
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        return modifiers == Qt::NoModifier && (enter || key.key() == Qt::Key_Escape);
    }
};

} // namespace

void FocusDefaultButtonOnShow(QDialog& dialog, QPushButton& defaultButton) {
    defaultButton.setDefault(true);
    auto* focused = qobject_cast<QPushButton*>(dialog.focusWidget());
    if (focused != nullptr && focused != &defaultButton && defaultButton.isEnabled())
        defaultButton.setFocus();
}

void PassEnterAndEscFromCombos(QWidget& window) {
    auto* passer = window.findChild<ComboKeysPasser*>(QStringLiteral("ComboKeysPasser"),
                                                      Qt::FindDirectChildrenOnly);
    if (passer == nullptr)
        passer = new ComboKeysPasser(window);
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        // Installed again, a filter is moved, never doubled.
        if (combo->isEditable())
            combo->installEventFilter(passer);
    }
}
