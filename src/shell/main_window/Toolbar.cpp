#include "shell/main_window/Toolbar.h"

#include "shell/main_window/MainMenu.h"
#include "shell/main_window/toolbar_pictures.h"

#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <optional>

namespace {

// A standard picture of the style, or one of the toolbar's own.
struct Picture {
    QStyle::StandardPixmap standard = QStyle::SP_CustomBase;
    std::optional<ToolbarPicture> own;
};

constexpr Picture standard(QStyle::StandardPixmap pixmap) {
    return {pixmap, std::nullopt};
}

constexpr Picture own(ToolbarPicture picture) {
    return {QStyle::SP_CustomBase, picture};
}

struct ButtonRow {
    const char* key;
    const char16_t* tooltip;
    Picture picture;
    // The menu entry the button stands for; none for Recent.
    std::optional<MenuId> command;
};

// The buttons in toolbar order.
const std::array<ButtonRow, Toolbar::ButtonCount> Buttons = {{
    {"New", u"Otevřít", standard(QStyle::SP_FileIcon), MenuId::mnuclean},
    {"Newhtml", u"Nový HTML", own(ToolbarPicture::Html), MenuId::mnucreate},
    {"Open", u"Otevřít", standard(QStyle::SP_DialogOpenButton), MenuId::mnuopen},
    {"Recent", u"Předposlední soubor", standard(QStyle::SP_FileDialogBack), std::nullopt},
    {"Save", u"Uložit", standard(QStyle::SP_DialogSaveButton), MenuId::mnusave},
    {"Cut", u"Vyjmout", own(ToolbarPicture::Cut), MenuId::mnucut},
    {"Copy", u"Kopítovat", own(ToolbarPicture::Copy), MenuId::mnucopysel},
    {"Paste", u"Vložit", own(ToolbarPicture::Paste), MenuId::MnuAdd},
    {"Find", u"Najít", standard(QStyle::SP_FileDialogContentsView), MenuId::mnufind},
    {"Image", u"Obrázek", standard(QStyle::SP_DesktopIcon), MenuId::mnuobr},
    {"Bold", u"Tučně", own(ToolbarPicture::Bold), MenuId::MnuBold},
    {"Italic", u"Kurziva", own(ToolbarPicture::Italic), MenuId::MnuHtmlI},
    {"Underline", u"Podtrženě", own(ToolbarPicture::Underline), MenuId::mnuHTMLU},
    {"Center", u"Centrovat", own(ToolbarPicture::Center), MenuId::MnuCenter},
    {"Table", u"Tabulka", standard(QStyle::SP_FileDialogDetailedView), MenuId::mnutable},
    {"Link", u"Odkaz", standard(QStyle::SP_DirLinkIcon), MenuId::mnuodkazjiny},
    {"Line", u"Čára HR", own(ToolbarPicture::Line), MenuId::mnuhr},
    {"Help", u"Nápověda", standard(QStyle::SP_DialogHelpButton), MenuId::mnuhlp},
    {"Print", u"Tisk", own(ToolbarPicture::Print), MenuId::mnuprint},
    {"Dos", u"Dos obrazovka", standard(QStyle::SP_ComputerIcon), MenuId::mnu_Text_Dos},
    {"Lock", u"Zámek", standard(QStyle::SP_BrowserStop), MenuId::Mnu_Lock},
    {"Browser", u"Interní browser", standard(QStyle::SP_DriveNetIcon),
     MenuId::Mnu_Internal_Browser},
    {"Colors", u"Zvýraznění formátování dokumentu", own(ToolbarPicture::Colors),
     MenuId::MnuColorEdit},
}};

struct ColorItemRow {
    const char* key;
    const char16_t* text;
    MenuId command;
};

const std::array<ColorItemRow, Toolbar::ColorItemCount> ColorItems = {{
    {"edi", u"Editor", MenuId::MnuColorEdit},
    {"mak", u"Zvýrazni", MenuId::MnuColorMakeIt},
    {"ope", u"Nahraj nastavení", MenuId::MnuColorOpenSet},
}};

const QString RecentKey = QStringLiteral("Recent");
const QString ColorsKey = QStringLiteral("Colors");
// The face of "Recent" opens the file before the current one.
constexpr int RecentFaceEntry = 2;

QIcon iconOf(const Picture& picture, const QWidget& toolbar) {
    if (picture.own)
        return PaintToolbarPicture(*picture.own, toolbar.palette());
    return toolbar.style()->standardIcon(picture.standard);
}

std::optional<std::size_t> rowOf(const QString& key) {
    for (std::size_t i = 0; i < Buttons.size(); ++i)
        if (key == QLatin1StringView(Buttons[i].key))
            return i;
    return std::nullopt;
}

// Place 1, 2, ... of item within menu; none when it is not there.
std::optional<int> placeIn(const QMenu* menu, const QAction& item) {
    const int index = static_cast<int>(menu->actions().indexOf(&item));
    return index < 0 ? std::nullopt : std::optional<int>(index + 1);
}

} // namespace

Toolbar::Toolbar(QMainWindow& window, MainMenu& menu) : QToolBar(&window), m_menu(menu) {
    setObjectName(QStringLiteral("Toolbar1"));
    setWindowTitle(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    addButtons();
    m_recentMenu = addDropDown(button(RecentKey));
    m_colorsMenu = addDropDown(button(ColorsKey));
    for (int i = 0; i < RecentCount; ++i) {
        QAction* item = m_recentMenu->addAction(QString());
        item->setObjectName(QStringLiteral("M%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, item] { ButtonMenuClick(*item); });
        m_recentItems[static_cast<std::size_t>(i)] = item;
    }
    addColorItems();
    FillRecentMenu({});
    window.addToolBar(Qt::TopToolBarArea, this);
    menu.popUpOnRightClick(*this);
    for (QAction* button : m_buttons)
        setUpButtonWidget(button);
    connect(&menu, &MainMenu::commandConnected, this, &Toolbar::refreshEnabled);
    refreshEnabled();
}

QAction* Toolbar::button(const QString& key) const {
    const std::optional<std::size_t> row = rowOf(key);
    return row ? m_buttons[*row] : nullptr;
}

QAction* Toolbar::recentItem(int index) const {
    return index >= 1 && index <= RecentCount ? m_recentItems[static_cast<std::size_t>(index - 1)]
                                              : nullptr;
}

void Toolbar::connectOpenRecent(std::function<void(int)> openRecent) {
    m_openRecent = std::move(openRecent);
    refreshEnabled();
}

void Toolbar::FillRecentMenu(const std::array<QString, RecentCount>& files) {
    for (int i = 0; i < RecentCount; ++i) {
        QString path = files[static_cast<std::size_t>(i)];
        m_recentItems[static_cast<std::size_t>(i)]->setText(
            QStringLiteral("&%1 ").arg(i) + path.replace(u'&', QStringLiteral("&&")));
    }
}

void Toolbar::ButtonClick(const QString& key) {
    const std::optional<std::size_t> row = rowOf(key);
    if (!row)
        return;
    if (const std::optional<MenuId> command = Buttons[*row].command)
        m_menu.runCommand(*command);
    else if (key == RecentKey)
        openRecent(RecentFaceEntry);
}

void Toolbar::ButtonMenuClick(const QAction& item) {
    const QString key = item.objectName();
    for (const ColorItemRow& row : ColorItems) {
        if (key == QLatin1StringView(row.key)) {
            m_menu.runCommand(row.command);
            return;
        }
    }
    for (const QMenu* dropDown : {m_recentMenu, m_colorsMenu}) {
        if (const std::optional<int> place = placeIn(dropDown, item)) {
            openRecent(*place);
            return;
        }
    }
}

void Toolbar::addButtons() {
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        const ButtonRow& row = Buttons[i];
        const QString key = QString::fromLatin1(row.key);
        const QString tooltip = QString::fromUtf16(row.tooltip);
        QAction* button = addAction(iconOf(row.picture, *this), tooltip);
        button->setObjectName(key);
        button->setToolTip(tooltip);
        connect(button, &QAction::triggered, this, [this, key] { ButtonClick(key); });
        m_buttons[i] = button;
    }
}

QMenu* Toolbar::addDropDown(QAction* button) {
    auto* dropDown = new QMenu(this);
    dropDown->setObjectName(button->objectName() + QStringLiteral("Menu"));
    return dropDown;
}

void Toolbar::setUpButtonWidget(QAction* button) {
    auto* tool = qobject_cast<QToolButton*>(widgetForAction(button));
    if (tool == nullptr)
        return;
    const QString key = button->objectName();
    if (QMenu* dropDown = key == RecentKey   ? m_recentMenu
                          : key == ColorsKey ? m_colorsMenu
                                             : nullptr) {
        tool->setMenu(dropDown);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
    }
    // A tool button keeps a right click to itself, so each asks for the menu too.
    m_menu.popUpOnRightClick(*tool);
}

QList<ToolbarPlace> Toolbar::arrangement() const {
    QList<ToolbarPlace> places;
    for (QAction* action : actions())
        if (std::find(m_buttons.begin(), m_buttons.end(), action) != m_buttons.end())
            places.append({action->objectName(), action->isVisible()});
    return places;
}

void Toolbar::arrange(const QList<ToolbarPlace>& places) {
    QList<QAction*> order;
    for (const ToolbarPlace& place : places) {
        QAction* moved = button(place.key);
        if (moved == nullptr || order.contains(moved))
            continue;
        moved->setVisible(place.shown);
        order.append(moved);
    }
    for (QAction* action : actions())
        if (!order.contains(action))
            order.append(action);
    // Adding a button the toolbar holds moves it to the end, with a new widget.
    for (QAction* action : order) {
        addAction(action);
        setUpButtonWidget(action);
    }
}

QList<ToolbarPlace> Toolbar::DefaultArrangement() {
    QList<ToolbarPlace> places;
    for (const ButtonRow& row : Buttons)
        places.append({QString::fromLatin1(row.key), true});
    return places;
}

void Toolbar::addColorItems() {
    for (std::size_t i = 0; i < ColorItems.size(); ++i) {
        QAction* item = m_colorsMenu->addAction(QString::fromUtf16(ColorItems[i].text));
        item->setObjectName(QString::fromLatin1(ColorItems[i].key));
        connect(item, &QAction::triggered, this, [this, item] { ButtonMenuClick(*item); });
        m_colorItems[i] = item;
    }
}

void Toolbar::refreshEnabled() {
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        const std::optional<MenuId> command = Buttons[i].command;
        m_buttons[i]->setEnabled(command ? m_menu.hasCommand(*command) : true);
    }
    button(RecentKey)->setEnabled(static_cast<bool>(m_openRecent));
    // The drop-down stays reachable while any of its commands exists.
    bool anyColorCommand = false;
    for (std::size_t i = 0; i < ColorItems.size(); ++i) {
        const bool connected = m_menu.hasCommand(ColorItems[i].command);
        m_colorItems[i]->setEnabled(connected);
        anyColorCommand = anyColorCommand || connected;
    }
    button(ColorsKey)->setEnabled(anyColorCommand);
}

void Toolbar::openRecent(int index) const {
    if (m_openRecent)
        m_openRecent(index);
}
