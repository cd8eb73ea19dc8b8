#include "shell/dialogs/O.h"

#include "core/settings/app_version.h"
#include "core/settings/user_details.h"
#include "core/text/random_text.h"
#include "core/text/string_functions.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/dialogs/Visual.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int LogoSize = 96;
constexpr int LabelLeft = 1920;
constexpr int LabelWidth = 5280;

// The logo: the program's initials on a blue gradient.
QImage drawLogo() {
    QImage logo(LogoSize, LogoSize, QImage::Format_RGB32);
    QPainter painter(&logo);
    QLinearGradient gradient(0, 0, LogoSize, LogoSize);
    gradient.setColorAt(0, QColor(0x10, 0x30, 0x80));
    gradient.setColorAt(1, QColor(0x60, 0xA0, 0xE0));
    painter.fillRect(logo.rect(), gradient);
    QFont font(QStringLiteral("Serif"), 30, QFont::Bold);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("TQ"));
    return logo;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

O::O(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("O"));
    setWindowTitle(QString::fromUtf16(AboutName));
    setFixedSize(TwipsToPixels(7440), TwipsToPixels(3480));

    m_logo = drawLogo();
    m_picture1 = MakeNamed<QLabel>(this, QStringLiteral("Picture1"));
    PlaceTwips(m_picture1, 240, 240, LogoSize * TwipsPerPixel, LogoSize * TwipsPerPixel);
    m_picture1->setPixmap(QPixmap::fromImage(m_logo));

    m_label1 = makeLabel(QStringLiteral("Label1"), AboutVersionLine(AppVersionText()), 240);
    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);
    makeLabel(QStringLiteral("Label2"), AboutCreditLine(), 600);
    makeLabel(QStringLiteral("Label3"), AboutEmail(), 900);
    m_label5 = makeLabel(QStringLiteral("Label5"), AboutHomePage(), 1200);
    m_label6 = makeLabel(QStringLiteral("Label6"), AboutProjectPage(), 1500);
    for (QLabel* address : {m_label5, m_label6}) {
        setTextColour(address, QColor(0, 0, 255));
        address->installEventFilter(this);
    }
    m_label4 = makeLabel(QStringLiteral("Label4"), {}, 1920);
    m_label4->setCursor(Qt::PointingHandCursor);
    m_label4->setTextFormat(Qt::PlainText);
    m_label4->setToolTip(QStringLiteral("Vaše jméno, e-mail, heslo programu ..."));
    m_label4->installEventFilter(this);
    setLicensee(Program().Settings.UserName);

    m_ok =
        MakeNamed<QPushButton>(this, QStringLiteral("flatbtnn1"), {.text = QStringLiteral("Ok")});
    PlaceTwips(m_ok, 240, 2820, 1320, 375);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    m_command1 = MakeNamed<QPushButton>(this, QStringLiteral("Command1"),
                                        {.text = QStringLiteral("&True about..")});
    PlaceTwips(m_command1, 3720, 2820, 1680, 375);
    connect(m_command1, &QPushButton::clicked, this, &O::showSystemAbout);
    m_command2 = MakeNamed<QPushButton>(this, QStringLiteral("Command2"),
                                        {.text = QStringLiteral("Freeware !")});
    PlaceTwips(m_command2, 5520, 2820, 1680, 375);
    connect(m_command2, &QPushButton::clicked, this, [] { ShowFreewareNotice(); });

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(AnimationIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &O::animate);
}

QLabel* O::makeLabel(const QString& name, const QString& text, int top) {
    auto* label = MakeNamed<QLabel>(this, name, {.text = text});
    PlaceTwips(label, LabelLeft, top, LabelWidth, 285);
    return label;
}

void O::setLicensee(const QString& userName) {
    m_label4->setText(LicenceCaption(userName));
}

void O::animate() {
    QPainter painter(&m_logo);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const InvertedBand& band : m_sweep.step(m_logo.width(), m_logo.height()))
        painter.fillRect(band.x, band.y, band.width, band.height, Qt::black);
    painter.end();
    m_picture1->setPixmap(QPixmap::fromImage(m_logo));
    setWindowTitle(RandomCase(QString::fromUtf16(AboutName)));
}

void O::showSystemAbout() {
    ShowNotice(this, SystemAboutText(AppVersionText()), SystemAboutTitle(AppVersionText()),
               MessageBoxIcon::Information);
}

void O::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_timer1->start();
        else
            m_timer1->stop();
    }
    QDialog::changeEvent(event);
}

bool O::eventFilter(QObject* watched, QEvent* event) {
    const bool address = watched == m_label5 || watched == m_label6;
    if (address && event->type() == QEvent::MouseButtonPress)
        setTextColour(static_cast<QLabel*>(watched), QColor(255, 0, 0));
    else if (address && event->type() == QEvent::MouseButtonRelease) {
        auto* label = static_cast<QLabel*>(watched);
        setTextColour(label, QColor(0, 0, 255));
        ShowUrlInBrowser(label->text());
    } else if (watched == m_label4 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label4->rect().contains(mouse->position().toPoint()))
            LoadedWindow<Visual>().showUserPage();
    }
    return QDialog::eventFilter(watched, event);
}

void ShowFreewareNotice() {
    const SettingsRecord& settings = Program().Settings;
    ShowNotice(QApplication::activeWindow(),
               FreewareNoticeText(settings.UserName, settings.UserEmail),
               QString::fromUtf16(FreewareNoticeTitle), MessageBoxIcon::None);
}
