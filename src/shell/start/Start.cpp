#include "shell/start/Start.h"

#include "core/settings/user_details.h"
#include "core/shell/start_blurb.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_ownership.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/O.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QtMath>

#include <algorithm>

namespace {

const QString DesignTitle = QStringLiteral("* * ! Tarvel Qor !* *");

QFont titleFont() {
    QFont font(QStringLiteral("Courier New"), 11, QFont::Bold);
    font.setStyleHint(QFont::Monospace);
    return font;
}

// The picture beside the blurb: one band per item, named by the item's
// first word, at the heights that select it.
QPixmap blurbPicture(const QSize& size) {
    QPixmap picture(size);
    picture.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&picture);
    const QString blurb = StartBlurbText();
    const QColor shades[] = {QColor(0xC8, 0xDC, 0xF0), QColor(0xE6, 0xF0, 0xFA)};
    for (int i = 0; i < BlurbBandCount; ++i) {
        const BlurbBand& band = BlurbBands().at(i);
        const int top = TwipsToPixels(static_cast<int>(band.fromTwips));
        const int bottom = TwipsToPixels(static_cast<int>(band.toTwips));
        const QRect rect(0, top, size.width(), bottom - top + 1);
        painter.fillRect(rect, shades[i % 2]);
        const QString word = blurb.mid(band.item.start, band.item.length).section(u' ', 0, 0);
        painter.drawText(rect, Qt::AlignCenter, word);
    }
    return picture;
}

// The text box keeps one paragraph break where the text has CR LF.
int widgetPosition(const QString& text, int position) {
    return position - static_cast<int>(QStringView(text).left(position).count(u"\r\n"));
}

} // namespace

Start::Start(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(QStringLiteral("Start Tarvel Qor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(7320), TwipsToPixels(5640));
    buildTitles();
    buildBlurb();
    const QSize grown = fitBlurbToItsLines();
    setFixedSize(size() + grown);
    m_action = MakeNamed<QLabel>(this, QStringLiteral("Action"));
    m_action->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_action->setWordWrap(true);
    m_action->setTextFormat(Qt::PlainText);
    PlaceTwips(m_action, 120, 4680, 7080, 840);
    m_action->move(m_action->pos() + QPoint(0, grown.height()));
    buildMenuFrame();
    // Left to itself a window manager may open it anywhere, even with the
    // title bar off the screen; it opens in the middle of the screen.
    if (WindowFrameService* frames = Platform().frames) {
        const QRect screen = frames->screen();
        frames->placeFrame(*this, screen.center() - rect().center(), size());
    }
}

void Start::buildTitles() {
    // Stacked a little apart, the two elements of Label8 shade Label1.
    const QColor shades[Label8Count] = {QColor(0xA0, 0xA0, 0xA0), QColor(0x50, 0x50, 0x50)};
    for (int i = 0; i < Label8Count; ++i) {
        // The elements of the array share its name and differ by Index.
        m_label8[i] = MakeNamed<QLabel>(this, QStringLiteral("Label8"));
        m_label8[i]->setProperty("Index", i);
        PlaceTwips(m_label8[i], 150 - 15 * i, 150 - 15 * i, 7080, 420);
        m_label8[i]->setStyleSheet(QStringLiteral("color: %1").arg(shades[i].name()));
    }
    m_label1 = MakeNamed<QLabel>(this, QStringLiteral("Label1"));
    PlaceTwips(m_label1, 120, 120, 7080, 420);
    m_label1->setStyleSheet(QStringLiteral("color: #000080"));
    for (QLabel* title : {m_label8[0], m_label8[1], m_label1}) {
        title->setFont(titleFont());
        title->setAlignment(Qt::AlignCenter);
        title->setText(DesignTitle);
    }
    m_label7 = MakeNamed<QLabel>(this, QStringLiteral("Label7"));
    m_label7->setText(QStringLiteral("A  navíc  :  je  to  FREEWARE  !"));
    m_label7->setAlignment(Qt::AlignCenter);
    PlaceTwips(m_label7, 120, 600, 7080, 285);
}

void Start::buildBlurb() {
    m_adImage = MakeNamed<QLabel>(this, QStringLiteral("AdImage"));
    PlaceTwips(m_adImage, 120, 960, 1800, 3600);
    m_adImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_adImage->setPixmap(blurbPicture(m_adImage->size()));
    m_adImage->setMouseTracking(true);
    m_adImage->installEventFilter(this);

    m_adText = MakeNamed<QPlainTextEdit>(this, QStringLiteral("AdText"));
    PlaceTwips(m_adText, 2040, 960, 5160, 3600);
    m_adText->setReadOnly(true);
    m_adText->setPlainText(StartBlurbText());
}

QSize Start::fitBlurbToItsLines() {
    const QFontMetricsF metrics(m_adText->font());
    // The blurb's last line break leaves an empty line after it.
    const QStringList lines = StartBlurbText().split(QStringLiteral("\r\n"));
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins =
        2 * (m_adText->frameWidth() + qCeil(m_adText->document()->documentMargin()));
    // Lines are laid out at their exact, fractional spacing; one pixel more
    // each way holds the caret at a line's end and keeps the last line from
    // counting as cut, which would offer a scroll bar.
    const QSize needed(qCeil(widest) + margins + 1,
                       qCeil(lines.size() * metrics.lineSpacing()) + margins + 1);
    const QSize grown = needed.expandedTo(m_adText->size()) - m_adText->size();
    m_adText->resize(m_adText->size() + grown);
    return grown;
}

void Start::buildMenuFrame() {
    m_menuFrame = MakeNamed<QFrame>(this, QStringLiteral("MenuFrame"));
    m_menuFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_menuFrame->setAutoFillBackground(true);
    m_menuFrame->setGeometry(m_action->geometry());
    m_menuFrame->hide();

    m_command1 = MakeNamed<QPushButton>(m_menuFrame, QStringLiteral("Command1"));
    m_command1->setText(QStringLiteral("Začni !"));
    PlaceTwips(m_command1, 120, 105, 1200, 375);
    connect(m_command1, &QPushButton::clicked, this, &Start::beginWork);

    // Opening a file is the work of the main menu's "&Otevři"; the button
    // waits until that entry has work.
    m_command2 = MakeNamed<QPushButton>(m_menuFrame, QStringLiteral("Command2"));
    m_command2->setText(QStringLiteral("Otevřít soubor"));
    PlaceTwips(m_command2, 1440, 105, 1680, 375);
    m_command2->setEnabled(false);
    if (const MainForm* form = MainForm::instance()) {
        m_command2->setEnabled(form->menu().hasCommand(MenuId::mnuopen));
        connect(&form->menu(), &MainMenu::commandConnected, m_command2, [this](MenuId id) {
            if (id == MenuId::mnuopen)
                m_command2->setEnabled(true);
        });
    }
    connect(m_command2, &QPushButton::clicked, this, &Start::openFile);
    m_command3 = MakeNamed<QPushButton>(m_menuFrame, QStringLiteral("Command3"));
    m_command3->setText(QStringLiteral("Freeware ..."));
    PlaceTwips(m_command3, 3240, 105, 1320, 375);
    connect(m_command3, &QPushButton::clicked, this, [] { ShowFreewareNotice(); });

    m_check1 = MakeNamed<QCheckBox>(m_menuFrame, QStringLiteral("Check1"));
    m_check1->setText(QStringLiteral("Hned po startu zavři"));
    m_check1->setToolTip(QStringLiteral("Nikdy více!"));
    PlaceTwips(m_check1, 4680, 105, 2280, 375);
    connect(m_check1, &QCheckBox::toggled, this, &Start::writeShowStartScreen);

    m_label9 = MakeNamed<QLabel>(m_menuFrame, QStringLiteral("Label9"));
    PlaceTwips(m_label9, 120, 540, 6840, 240);
    m_label9->setCursor(Qt::PointingHandCursor);
    m_label9->setTextFormat(Qt::PlainText);
    m_label9->installEventFilter(this);
    setLicensee(Program().Settings.UserName);
}

void Start::setAction(const QString& text) {
    m_action->setText(text);
    m_action->repaint();
}

void Start::setVersionText(const QString& version) {
    m_label1->setText(QStringLiteral("Vítá vás textový editor Tarvel Qor v") + version);
    for (QLabel* label : m_label8)
        label->setText(m_label1->text());
}

void Start::setCloseAfterStart(bool close) {
    m_check1->setChecked(close);
}

void Start::showMenuFrame() {
    setLicensee(Program().Settings.UserName);
    m_menuFrame->raise();
    m_menuFrame->show();
}

void Start::setLicensee(const QString& userName) {
    m_label9->setText(LicenceCaption(userName));
}

void Start::ownByMainWindow() {
    MainForm* form = MainForm::instance();
    const Qt::WindowFlags owned = ModelessWindowFlags(form);
    if (parentWidget() == form && windowFlags() == owned)
        return;
    // The window keeps its place: a new owner moves nothing.
    setParent(form, owned);
}

void Start::beginWork() {
    hide();
    if (MainForm* form = MainForm::instance())
        form->show();
}

void Start::openFile() {
    MainForm* form = MainForm::instance();
    if (!form)
        return;
    form->show();
    hide();
    form->menu().action(MenuId::mnuopen)->trigger();
}

void Start::writeShowStartScreen(bool checked) {
    Program().Settings.ShowStartScreen = !checked;
}

void Start::selectBlurbItem(double yTwips) {
    const std::optional<BlurbRange> item = BlurbItemAt(yTwips);
    if (!item)
        return;
    const QString blurb = StartBlurbText();
    QTextCursor cursor(m_adText->document());
    cursor.setPosition(widgetPosition(blurb, item->start));
    cursor.setPosition(widgetPosition(blurb, item->start + item->length), QTextCursor::KeepAnchor);
    m_adText->setTextCursor(cursor);
    m_adText->ensureCursorVisible();
}

void Start::keyPressEvent(QKeyEvent* event) {
    // Only a key that types something counts, so Shift or Alt on the way
    // to another window leaves the start screen up.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    beginWork();
}

void Start::closeEvent(QCloseEvent* event) {
    event->accept();
    if (MainForm* form = MainForm::instance())
        form->show();
}

bool Start::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_adImage && event->type() == QEvent::MouseMove) {
        selectBlurbItem(static_cast<QMouseEvent*>(event)->position().y() * TwipsPerPixel);
    } else if (watched == m_label9 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_label9->rect().contains(mouse->position().toPoint()))
            LoadedWindow<Visual>().showUserPage();
    }
    return QWidget::eventFilter(watched, event);
}
