#include "shell/main_window/MainTimer.h"

#include "core/shell/window_snapping.h"
#include "core/text/program_error.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/clipboard_preview.h"
#include "shell/shared_procedures.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int PictureSize = 16;

WindowShowState showState(const QWidget* window) {
    if (window->isMinimized())
        return WindowShowState::Minimised;
    if (window->isMaximized() || window->isFullScreen())
        return WindowShowState::Maximised;
    return WindowShowState::Normal;
}

WindowRect inTwips(const QRect& rect) {
    return {double(PixelsToTwips(rect.x())), double(PixelsToTwips(rect.y())),
            double(PixelsToTwips(rect.width())), double(PixelsToTwips(rect.height()))};
}

// The outer rectangle, frame included, as the user sees the window.
WindowRect rectInTwips(const QWidget* window) {
    return inTwips(window->frameGeometry());
}

// The whole of the monitor the window is on.
WindowRect screenInTwips(const QWidget* window) {
    return inTwips(MonitorOf(*Platform().frames, window->frameGeometry()).whole);
}

int toPixels(double twips) {
    return TwipsToPixels(qRound(twips));
}

void place(QWidget* window, const WindowRect& rect) {
    const QRect frame = window->frameGeometry();
    const QPoint position(toPixels(rect.left), toPixels(rect.top));
    // resize() sets the inside; the frame's own share stays as it is.
    const QSize inside(toPixels(rect.width) - (frame.width() - window->width()),
                       toPixels(rect.height) - (frame.height() - window->height()));
    if (frame.topLeft() != position)
        window->move(position);
    if (window->size() != inside)
        window->resize(inside);
}

QStyle::StandardPixmap standardPixmap(Panel4Picture picture) {
    switch (picture) {
    case Panel4Picture::Selection:
        return QStyle::SP_FileIcon;
    case Panel4Picture::Clipboard:
        return QStyle::SP_DirOpenIcon;
    case Panel4Picture::Empty:
        break;
    }
    return QStyle::SP_DirClosedIcon;
}

} // namespace

MainTimer::MainTimer(MainForm& form)
    : QObject(&form), m_form(form), m_timer(new QTimer(this)),
      m_clipboard(new ClipboardPreview(this)) {
    setObjectName(QStringLiteral("MainTimer"));
    SetWindowTag(&form, SnapTag);
    // Panel 4 may show a long clipboard text: it takes the room left and never
    // widens the window.
    form.panel(4)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &MainTimer::tick);
    m_timer->start();
}

QPixmap MainTimer::panel4Pixmap(Panel4Picture picture) {
    return QApplication::style()->standardIcon(standardPixmap(picture)).pixmap(PictureSize);
}

void MainTimer::tick() {
    if (m_ticking)
        return;
    m_ticking = true;
    try {
        runTick();
    } catch (const ProgramError& error) {
        ReportError(error);
    }
    m_ticking = false;
}

void MainTimer::runTick() {
    arrangeWindows();
    MainMenu& menu = m_form.menu();
    menu.enableByRule(EnableRule::NeedsPath, !Program().CurrentFilePath.isEmpty());
    m_clipboard->refreshIfStale();
    // Without text on the clipboard (a picture, say) the paste items keep their state.
    if (m_clipboard->hasText())
        menu.enableByRule(EnableRule::NeedsClipboardText, !m_clipboard->head().isEmpty());
    StatusInputs status = ReadEditorStatus(m_form.surface());
    menu.enableByRule(EnableRule::NeedsText, status.textLength != 0);
    menu.enableByRule(EnableRule::NeedsSelection, status.selLength != 0);
    status.clipboardHasText = m_clipboard->hasText();
    status.clipboardText = m_clipboard->head();
    // A long operation that lets the windows repaint keeps its message shown.
    if (m_form.Status()->isHidden())
        showStatus(ComposeStatusPanels(status));
}

void MainTimer::arrangeWindows() {
    // Read afresh each tick, so a changed setting acts at once.
    const double snapDistance = Program().Settings.SnapDistance;
    arrange(&m_form, snapDistance);
    for (QWidget* window : Platform().windows->windows()) {
        if (window != &m_form)
            arrange(window, snapDistance);
    }
}

void MainTimer::arrange(QWidget* window, double snapDistance) {
    if (!window->isVisible() || showState(window) != WindowShowState::Normal)
        return;
    const QString tag = WindowTag(window);
    if (tag != SnapTag && tag != DockTag)
        return;
    const WindowRect current = rectInTwips(window);
    if (tag == SnapTag) {
        place(window, SnapWindow(current, screenInTwips(window), snapDistance));
    } else {
        place(window, DockWindow(current, rectInTwips(&m_form), showState(&m_form),
                                 Program().StartMode.isEmpty(), screenInTwips(&m_form)));
    }
}

void MainTimer::showStatus(const StatusPanels& panels) {
    m_form.panel(1)->setText(panels.panel1);
    m_form.panel(2)->setText(panels.panel2);
    m_form.panel(3)->setText(panels.panel3);
    QLabel* panel4 = m_form.panel(4);
    panel4->setText(PanelDisplayText(panels.panel4));
    panel4->setToolTip(panels.panel4ToolTip);
    QLabel* picture = m_form.Panel4Picture();
    picture->setToolTip(panels.panel4ToolTip);
    if (m_shownPicture != panels.picture) {
        picture->setPixmap(panel4Pixmap(panels.picture));
        m_shownPicture = panels.picture;
    }
}
