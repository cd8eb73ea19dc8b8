#include "platform/message_box.h"

#include "platform/modal_turn.h"
#include "platform/window_title.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

using Answer = MessageBoxAnswer;

QList<MessageBoxAnswer> ButtonAnswers(MessageBoxButtons buttons) {
    switch (buttons) {
    case MessageBoxButtons::Ok:
        return {Answer::Ok};
    case MessageBoxButtons::OkCancel:
        return {Answer::Ok, Answer::Cancel};
    case MessageBoxButtons::YesNo:
        return {Answer::Yes, Answer::No};
    case MessageBoxButtons::YesNoCancel:
        return {Answer::Yes, Answer::No, Answer::Cancel};
    case MessageBoxButtons::RetryCancel:
        return {Answer::Retry, Answer::Cancel};
    case MessageBoxButtons::AbortRetryIgnore:
        return {Answer::Abort, Answer::Retry, Answer::Ignore};
    }
    return {Answer::Ok};
}

MessageBoxAnswer DefaultAnswer(const MessageBoxRequest& request) {
    const QList<Answer> answers = ButtonAnswers(request.buttons);
    return answers.value(request.defaultButton - 1, answers.first());
}

MessageBoxAnswer EscapeAnswer(MessageBoxButtons buttons) {
    if (ButtonAnswers(buttons).contains(Answer::Cancel))
        return Answer::Cancel;
    return buttons == MessageBoxButtons::YesNo ? Answer::No : Answer::Ok;
}

namespace {

[[nodiscard]] QMessageBox::StandardButton StandardButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Abort:
        return QMessageBox::Abort;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

[[nodiscard]] QMessageBox::Icon QtIcon(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::None:
        return QMessageBox::NoIcon;
    case MessageBoxIcon::Stop:
        return QMessageBox::Critical;
    case MessageBoxIcon::Question:
        return QMessageBox::Question;
    case MessageBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// QMessageBox picks its own escape button from the button roles (Abort for
// AbortRetryIgnore) and refuses to close without one; this box closes on Esc
// and on its close button whatever the buttons, with no button clicked.
// QMessageBox also fixes its size to its text and buttons alone, so a short
// text under a longer title would cut the title off: the box is widened to it.
class ClosableMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        fitTitle();
    }
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        // QMessageBox sizes itself again on every layout request.
        if (event->type() == QEvent::LayoutRequest)
            fitTitle();
        return handled;
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { QDialog::closeEvent(event); }

private:
    void fitTitle() {
        const int needed = TitleWidth(windowTitle());
        if (width() >= needed)
            return;
        setFixedWidth(needed);
        // As QMessageBox does after sizing itself: the new width needs no
        // sizing again, which would only narrow the box once more.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }
};

} // namespace

MessageBoxAnswer QtMessageBoxService::show(const MessageBoxRequest& request, QWidget* owner) {
    ClosableMessageBox box(owner);
    box.setWindowTitle(request.title);
    // Messages name files and quote the document: tags in them are text.
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    box.setIcon(QtIcon(request.icon));
    for (Answer answer : ButtonAnswers(request.buttons))
        box.addButton(StandardButton(answer));
    box.setDefaultButton(StandardButton(DefaultAnswer(request)));
    (void)ExecForOpener(box);
    if (box.clickedButton() == nullptr)
        return EscapeAnswer(request.buttons);
    const auto clicked = box.standardButton(box.clickedButton());
    for (Answer answer : ButtonAnswers(request.buttons)) {
        if (StandardButton(answer) == clicked)
            return answer;
    }
    return EscapeAnswer(request.buttons);
}
