#include "utilities/morse/Morse.h"

#include "core/shell/window_snapping.h"
#include "core/text/editor_procedures.h"
#include "core/text/string_functions.h"
#include "core/utilities/morse_items.h"
#include "core/utilities/window_beside.h"
#include "platform/clipboard.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/window_ownership.h"
#include "platform/window_registry.h"
#include "platform/window_title.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The code takes the selection's place, or goes in at the caret.
void PutCode(const QString& code) {
    TransformSelection(MainSurface(), [&code](const QString&) { return code; });
}

// Without text on the clipboard nothing happens; an empty text would only
// delete the selection, so it does nothing either.
void ClipboardToMorse() {
    const ClipboardService& clipboard = *Platform().clipboard;
    const QString text = clipboard.hasText() ? clipboard.text() : QString();
    if (!text.isEmpty())
        PutCode(TextToMorse(text));
}

void SelectionToMorse() {
    BusyScope busy(MainForm::instance(), u"Převádím výběr na morseovku ..."_s);
    TransformSelection(MainSurface(), TextToMorse);
}

QMenu* AddMenu(QMenuBar* bar, const QString& name, const QString& title) {
    auto* menu = Named(new QMenu(title, bar), name);
    bar->addMenu(menu);
    return menu;
}

template <class Work>
void AddItem(QMenu* menu, const QString& name, const QString& caption, Work work) {
    QAction* item = Named(menu->addAction(caption), name);
    QObject::connect(item, &QAction::triggered, menu, work);
}

} // namespace

Morse::Morse(QWidget* owner) : QWidget(owner, ModelessWindowFlags(owner)) {
    setObjectName(u"Morse"_s);
    setWindowTitle(u"Morseovka"_s);
    SetWindowTag(this, SnapTag);
    KeepTitleWhole(*this);
    m_menus = Named(new QMenuBar(this), u"MorseMenus"_s);
    // The bar is the window's only content: no native (global) menu bar.
    m_menus->setNativeMenuBar(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(m_menus);
    buildMenus();
    // Wide enough to show every menu at first; the user may narrow it.
    resize(std::max(minimumWidth(), m_menus->sizeHint().width()), height());
    keepMenuHeight();
}

void Morse::buildMenus() {
    QMenu* text = AddMenu(m_menus, u"mnu_Txt"_s, u"&Text"_s);
    AddItem(text, u"mnu_clipmorse"_s, u"Morse ze schránky"_s, ClipboardToMorse);
    AddItem(text, u"mnuMakeMorse"_s, u"Vytvoř morseovku"_s, SelectionToMorse);
    QMenu* letters = AddMenu(m_menus, u"mnumorsechar"_s, u"&Písmeno"_s);
    QMenu* digits = AddMenu(m_menus, u"mnumorsenumber"_s, u"&Ćíslo"_s);
    QMenu* signs = AddMenu(m_menus, u"mnumorzn"_s, u"&Znak"_s);
    QMenu* signals_ = AddMenu(m_menus, u"mnu_morseMessage"_s, u"Z&práva"_s);
    auto* shortDigits = Named(new QMenu(u"Číslo - Zkráceně"_s, digits), u"mnumorsecisskr"_s);
    // By MorseMenu.
    QMenu* const menus[] = {letters, digits, shortDigits, signs, signals_};
    for (const MorseItem& item : MorseItems)
        AddItem(menus[static_cast<int>(item.menu)], QString::fromUtf16(item.name),
                QString::fromUtf16(item.caption), [code = MorseItemCode(item)] { PutCode(code); });
    // The shortened digits close the digits menu.
    digits->addMenu(shortDigits);
}

void Morse::keepMenuHeight() {
    const int height = m_menus->heightForWidth(width());
    const int wanted = height > 0 ? height : m_menus->sizeHint().height();
    if (minimumHeight() != wanted || maximumHeight() != wanted)
        setFixedHeight(wanted);
}

void Morse::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepMenuHeight();
}

void Morse::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeBesideOwner();
    }
    QWidget::showEvent(event);
}

void Morse::placeBesideOwner() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr)
        return;
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerInside = owner->geometry();
    // The frame is not known before the first showing; the window manager
    // gives this window the same borders as the main window.
    const QMargins borders(
        ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
        ownerFrame.right() - ownerInside.right(), ownerFrame.bottom() - ownerInside.bottom());
    const QScreen* screen = owner->screen();
    if (screen == nullptr)
        return;
    const QPoint frame =
        PlaceBeside(ownerFrame, ownerInside, size().grownBy(borders), screen->availableGeometry());
    // Placed by its inside: before the first showing the window system does
    // not yet know the frame that a move would have to allow for.
    setGeometry(QRect(frame + QPoint(borders.left(), borders.top()), size()));
}

void Morse::closeEvent(QCloseEvent* event) {
    event->accept();
    Platform().windows->discard(this);
}
