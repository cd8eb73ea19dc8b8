#include "shell/browser/frmBrowser.h"

#include "core/shell/browser_rules.h"
#include "core/shell/window_snapping.h"
#include "core/text/program_error.h"
#include "platform/browser/web_view.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/plain_text.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_ownership.h"
#include "platform/window_registry.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/files/file_dialogs.h"
#include "shell/shared_procedures.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString CloseKey = u"Close"_s;
const QString DockKey = u"Dock"_s;

struct ButtonRow {
    const char16_t* key;
    const char16_t* toolTip;
    QStyle::StandardPixmap picture;
};

// The buttons in order; a separator stands before Open, Dock and Close.
constexpr std::array<ButtonRow, 7> Buttons = {{
    {u"Back", u"Zpět", QStyle::SP_ArrowBack},
    {u"Forward", u"Vpřed", QStyle::SP_ArrowForward},
    {u"Stop", u"Stop!", QStyle::SP_BrowserStop},
    {u"Refresh", u"Obnovení", QStyle::SP_BrowserReload},
    {u"Open", u"Otevřít soubor", QStyle::SP_DialogOpenButton},
    // Painted by the window itself: the style has no picture of docking.
    {u"Dock", u"Dokovat u hlavního okna", QStyle::SP_CustomBase},
    {u"Close", u"Zavřít okno", QStyle::SP_DialogCloseButton},
}};

bool separatorBefore(const QString& key) {
    return key == u"Open"_s || key == DockKey || key == CloseKey;
}

// The first texts of the panels, before the browser reports anything.
constexpr std::array<const char16_t*, frmBrowser::PanelCount> PanelTexts = {
    u"Stav :", u"Činost browseru", u"Status...", u"Průběh...", u"", u""};

// The address history a new window offers: the local web server and the
// local web folder.
const QStringList FirstAddresses = {u"http://localhost/"_s, u"file:///var/www/html/"_s};

constexpr int PictureSide = 495 / TwipsPerPixel;
constexpr int AnimationStepMs = 100;

// Frame n of the busy animation: a ring of eight dots with dot n dark.
QPixmap busyFramePicture(int frame, const QPalette& palette) {
    QPixmap picture(PictureSide, PictureSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(PictureSide / 2.0, PictureSide / 2.0);
    const double radius = PictureSide * 0.34;
    for (int dot = 1; dot <= BusyFrameCount; ++dot) {
        const double angle = (dot - 1) * 2.0 * M_PI / BusyFrameCount - M_PI / 2.0;
        const QPointF place = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot == frame ? palette.color(QPalette::Highlight)
                                      : palette.color(QPalette::Mid));
        painter.drawEllipse(place, PictureSide * 0.09, PictureSide * 0.09);
    }
    return picture;
}

// A large window with a small one docked at its lower right corner.
QIcon dockPicture(const QPalette& palette) {
    QIcon icon;
    for (const int side : {16, 32}) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        const double unit = side / 16.0;
        painter.scale(unit, unit);
        painter.setPen(QPen(palette.color(QPalette::ButtonText), 1.0));
        painter.setBrush(palette.color(QPalette::Base));
        painter.drawRect(QRectF(1.5, 1.5, 9, 9));
        painter.setBrush(palette.color(QPalette::Highlight));
        painter.drawRect(QRectF(8.5, 8.5, 6, 6));
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace

frmBrowser::frmBrowser(QWidget* parent) : QMainWindow(parent, ModelessWindowFlags(parent)) {
    setObjectName(u"frmBrowser"_s);
    setWindowTitle(BrowserFirstCaption);
    SetWindowTag(this, SnapTag);
    buildToolBar();
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buildAddressRow(area));
    m_browser = Platform().webViews->create(area);
    m_browser->widget()->setObjectName(u"brwWebBrowser"_s);
    layout->addWidget(m_browser->widget(), 1);
    setCentralWidget(area);
    buildStatusBar();

    m_animation = new QTimer(this);
    m_animation->setInterval(AnimationStepMs);
    connect(m_animation, &QTimer::timeout, this, &frmBrowser::paintNextFrame);
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &frmBrowser::showClock);
    clock->start(1000);
    showClock();

    connect(m_browser, &WebView::loadStarted, this, &frmBrowser::onLoadStarted);
    connect(m_browser, &WebView::progressChanged, this, [this](qint64 progress, qint64 max) {
        m_panels[3]->setText(BrowserProgressText(progress, max));
    });
    connect(m_browser, &WebView::statusTextChanged, m_panels[2], &QLabel::setText);
    connect(m_browser, &WebView::titleChanged, this, &frmBrowser::showCaption);
    connect(m_browser, &WebView::loadFinished, this, &frmBrowser::onLoadFinished);
    resize(640, 480);
}

void frmBrowser::buildToolBar() {
    m_toolBar = Named(new QToolBar(this), u"tbToolBar"_s);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    for (const ButtonRow& row : Buttons) {
        const QString key = QString::fromUtf16(row.key);
        if (separatorBefore(key))
            m_toolBar->addSeparator();
        const QIcon picture = row.picture == QStyle::SP_CustomBase
                                  ? dockPicture(palette())
                                  : style()->standardIcon(row.picture);
        QAction* action = m_toolBar->addAction(picture, QString::fromUtf16(row.toolTip));
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf16(row.toolTip));
        action->setCheckable(key == DockKey);
        connect(action, &QAction::triggered, this, [this, key] { ButtonClick(key); });
    }
}

QLayout* frmBrowser::buildAddressRow(QWidget* area) {
    m_address = Named(new QComboBox(area), u"cboAddress"_s);
    m_address->setEditable(true);
    // The history is kept by the browser itself, in the order of the visits.
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->addItems(FirstAddresses);
    m_address->setCurrentIndex(-1);
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Enter is taken here whole: the box would pass it on and its line
    // would report it a second time. Typed keys reach the box, which hands
    // them to its line directly.
    m_address->installEventFilter(this);
    m_address->lineEdit()->installEventFilter(this);
    connect(m_address, &QComboBox::activated, this, [this] {
        if (!m_suppressNavigate)
            navigateToTyped();
    });
    // The busy picture ends the row; the address box takes the rest of it.
    m_picture = Named(new QLabel(area), u"Picture1"_s);
    m_picture->setFixedSize(PictureSide, PictureSide);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_address, 1);
    row->addWidget(m_picture);
    return row;
}

void frmBrowser::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(u"StatusBar1"_s);
    for (int i = 0; i < PanelCount; ++i) {
        auto* label = Named(new QLabel(QString::fromUtf16(PanelTexts[std::size_t(i)]), bar),
                            u"Panel%1"_s.arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        // The browser's own status text takes what room is left.
        bar->addWidget(label, i == 2 ? 1 : 0);
        m_panels[std::size_t(i)] = label;
    }
}

QAction* frmBrowser::button(const QString& key) const {
    for (QAction* action : m_toolBar->actions())
        if (action->objectName() == key)
            return action;
    return nullptr;
}

QLabel* frmBrowser::panel(int number) const {
    return m_panels.at(std::size_t(number - 1));
}

bool frmBrowser::isAnimating() const {
    return m_animation->isActive();
}

void frmBrowser::setStandAlone() {
    button(CloseKey)->setToolTip(u"Ukončit program"_s);
}

void frmBrowser::showUrl(const QString& address) {
    if (address.isEmpty())
        return;
    m_address->addItem(address);
    // Current, so leaving the box does not choose the equal entry again.
    selectQuietly(m_address->count() - 1);
    navigate(address);
    show();
    raise();
    activateWindow();
}

void frmBrowser::navigateToTyped() {
    const QString typed = m_address->currentText();
    // The box's own Enter handling would choose the equal history entry and
    // load it a second time; with that entry current it has nothing to do.
    const int equal = m_address->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (equal >= 0 && equal != m_address->currentIndex())
        selectQuietly(equal);
    if (!QUrl::fromUserInput(typed).isValid()) {
        ReportError(ProgramError(5, u"Neplatná adresa: "_s + typed, u"frmBrowser"_s),
                    u"Navigace"_s);
        return;
    }
    navigate(typed);
}

void frmBrowser::navigate(const QString& address) {
    // What the user types may be a bare path or host; a file address keeps
    // its escapes ("%23" stays a "#" of the name).
    m_browser->navigate(QUrl::fromUserInput(address));
}

void frmBrowser::ButtonClick(const QString& key) {
    if (key == u"Back"_s)
        m_browser->back();
    else if (key == u"Forward"_s)
        m_browser->forward();
    else if (key == u"Refresh"_s)
        m_browser->reload();
    else if (key == u"Stop"_s) {
        m_browser->stop();
        showIdle();
    } else if (key == u"Open"_s)
        chooseFile();
    else if (key == DockKey)
        SetWindowTag(this, button(DockKey)->isChecked() ? DockTag : SnapTag);
    else if (key == CloseKey)
        closeButton();
}

void frmBrowser::chooseFile() {
    const QString path = ShowOpenDialog(BrowserOpenFilter(), this);
    if (!path.isEmpty() && BrowserMayShowFile(path))
        showUrl(BrowserFileAddress(path));
}

void frmBrowser::closeButton() {
    if (Program().StartMode == u"B"_s)
        (void)confirmEnd();
    else
        hide();
}

bool frmBrowser::confirmEnd() {
    hide();
    MessageBoxRequest question;
    question.text = u"OPRAVDU UKONČIT Browser (Tarvel Qor) ?"_s;
    question.title = u"Konec"_s;
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Stop;
    question.defaultButton = 2;
    if (Platform().messageBox->show(question, nullptr) != MessageBoxAnswer::Yes) {
        show();
        return false;
    }
    EndTheProgram();
    return true;
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
    const bool addressBox = watched == m_address || watched == m_address->lineEdit();
    if (addressBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            navigateToTyped();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmBrowser::closeEvent(QCloseEvent* event) {
    if (Program().StartMode == u"B"_s) {
        event->setAccepted(confirmEnd());
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && Platform().windows)
        Platform().windows->discard(this);
}

void frmBrowser::onLoadStarted() {
    m_panels[1]->setText(u"Busy"_s);
    if (!m_animation->isActive()) {
        paintNextFrame();
        m_animation->start();
    }
}

void frmBrowser::onLoadFinished(bool ok) {
    showIdle();
    if (ok)
        rememberVisit();
}

void frmBrowser::showCaption() {
    setWindowTitle(PlainWindowTitle(BrowserCaption(m_browser->locationName())));
}

void frmBrowser::rememberVisit() {
    const QString address = m_browser->locationUrl();
    if (address.isEmpty())
        return;
    QStringList history;
    for (int i = 0; i < m_address->count(); ++i)
        history << m_address->itemText(i);
    m_suppressNavigate = true;
    m_address->clear();
    m_address->addItems(HistoryAfterVisit(history, address));
    m_suppressNavigate = false;
    selectQuietly(0);
}

void frmBrowser::selectQuietly(int index) {
    m_suppressNavigate = true;
    m_address->setCurrentIndex(index);
    m_suppressNavigate = false;
}

void frmBrowser::paintNextFrame() {
    m_picture->setPixmap(busyFramePicture(m_busyFrame, palette()));
    m_busyFrame = NextBusyFrame(m_busyFrame);
}

void frmBrowser::showIdle() {
    m_animation->stop();
    m_picture->clear();
    m_panels[1]->setText(u"Idle"_s);
    showCaption();
}

void frmBrowser::showClock() {
    const QDateTime now = QDateTime::currentDateTime();
    m_panels[4]->setText(BrowserDateText(now.date()));
    m_panels[5]->setText(BrowserTimeText(now.time()));
}
