#include "utilities/text_tool_window.h"

#include "platform/default_button.h"
#include "platform/font_fallback.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/window_registry.h"
#include "platform/window_title.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

TextToolWindow::TextToolWindow(QWidget* owner, const QString& name, const QString& title)
    : QDialog(owner) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    KeepTitleWhole(*this);
}

QPushButton* TextToolWindow::makeButton(const QString& name, const QString& caption,
                                        const QString& toolTip, std::function<void()> work) {
    auto* button = MakeNamed<QPushButton>(this, name, {.text = caption, .toolTip = toolTip});
    button->setAutoDefault(false);
    if (work)
        connect(button, &QPushButton::clicked, this, std::move(work));
    return button;
}

QHBoxLayout* TextToolWindow::buttonRow(std::initializer_list<QPushButton*> left,
                                       std::initializer_list<QPushButton*> right) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : right)
        row->addWidget(button);
    return row;
}

QFont TextToolWindow::fixedPitchFont() {
    QFont font;
    font.setFamilies(FontFamiliesFor(QStringLiteral("Courier New")));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QPlainTextEdit* TextToolWindow::makeTextBox(const QString& name, bool readOnly) {
    auto* box = MakeNamed<QPlainTextEdit>(this, name);
    box->setReadOnly(readOnly);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

void TextToolWindow::setDefaultButton(QPushButton* button) {
    m_defaultButton = button;
    button->setDefault(true);
}

void TextToolWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_defaultButton != nullptr)
        FocusDefaultButtonOnShow(*this, *m_defaultButton);
}

void TextToolWindow::closeEvent(QCloseEvent* event) {
    // Not QDialog's close, which would ask reject() first: a window whose Esc
    // does nothing must still close from its title bar.
    event->accept();
    Platform().windows->discard(this);
}
