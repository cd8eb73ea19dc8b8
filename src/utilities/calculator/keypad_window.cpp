#include "utilities/calculator/keypad_window.h"

#include "platform/named_control.h"
#include "platform/window_title.h"

#include <QDialog>
#include <QLineEdit>

void SetUpKeypadWindow(QDialog& window, const QString& name, const QString& title) {
    window.setObjectName(name);
    window.setWindowTitle(title);
    window.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    KeepTitleWhole(window);
}

QLineEdit* MakeKeypadBox(QWidget* parent, const QString& name, const QString& text) {
    auto* box = MakeNamed<QLineEdit>(parent, name, {.text = text});
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    return box;
}
