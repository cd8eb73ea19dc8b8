#include "shell/dialogs/Pass.h"

#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

// A padlock, drawn so the prompt needs no picture file.
QPixmap padlock(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 8.0;
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), unit * 0.8));
    painter.drawArc(QRectF(unit * 2, unit * 0.8, unit * 4, unit * 5), 0, 180 * 16);
    painter.drawLine(QPointF(unit * 2, unit * 3.3), QPointF(unit * 2, unit * 4));
    painter.drawLine(QPointF(unit * 6, unit * 3.3), QPointF(unit * 6, unit * 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0xA0, 0x20));
    painter.drawRoundedRect(QRectF(unit, unit * 3.6, unit * 6, unit * 4), unit * 0.5, unit * 0.5);
    painter.setBrush(QColor(0x40, 0x30, 0x10));
    painter.drawEllipse(QPointF(unit * 4, unit * 5.3), unit * 0.6, unit * 0.6);
    return picture;
}

} // namespace

Pass::Pass(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Pass"));
    setWindowTitle(QStringLiteral("Heslo !"));
    setFixedSize(TwipsToPixels(5400), TwipsToPixels(1380));

    auto* image = MakeNamed<QLabel>(this, QStringLiteral("Image1"));
    PlaceTwips(image, 120, 240, 720, 720);
    image->setPixmap(padlock(TwipsToPixels(720)));
    m_label1 =
        MakeNamed<QLabel>(this, QStringLiteral("Label1"),
                          {.text = QStringLiteral("Program je zamknut, zadejte prosím heslo")});
    PlaceTwips(m_label1, 960, 240, 4320, 285);
    PlaceTwips(
        MakeNamed<QLabel>(this, QStringLiteral("Label2"), {.text = QStringLiteral("Heslo :")}), 960,
        780, 840, 285);
    m_text1 = MakeNamed<QLineEdit>(this, QStringLiteral("Text1"));
    m_text1->setEchoMode(QLineEdit::Password);
    PlaceTwips(m_text1, 1800, 750, 2160, 315);
    m_command1 =
        MakeNamed<QPushButton>(this, QStringLiteral("Command1"), {.text = QStringLiteral("&Ok")});
    PlaceTwips(m_command1, 4080, 720, 1200, 375);
    // Enter in the password box presses it.
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Pass::tryUnlock);

    if (MainForm::instance())
        MainSurface().setVisible(false);
}

void Pass::tryUnlock() {
    if (m_text1->text() != Program().Settings.LockPassword) {
        ShowNotice(this, QStringLiteral("Špatné helso!"), QStringLiteral("Zámek"),
                   MessageBoxIcon::Information);
        m_text1->clear();
        m_command1->setFocus();
        return;
    }
    if (MainForm::instance())
        MainSurface().setVisible(true);
    // Unlocking unloads the prompt; the next lock starts with an empty box.
    done(QDialog::Accepted);
    Platform().windows->discard(this);
}

void Pass::reject() {
    if (Program().Ending)
        QDialog::reject();
}

void Pass::closeEvent(QCloseEvent* event) {
    if (Program().Ending)
        event->accept();
    else
        event->ignore();
}

void LockProgram() {
    Pass& prompt = LoadedWindow<Pass>();
    if (!prompt.isVisible())
        prompt.exec();
}
