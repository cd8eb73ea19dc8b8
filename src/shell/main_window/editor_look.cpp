#include "shell/main_window/editor_look.h"

#include "core/shell/main_layout.h"
#include "core/text/editor_surface.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/Toolbar.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QPointer>
#include <QStatusBar>
#include <QTabBar>
#include <algorithm>

namespace {

constexpr int DosWindowWidth = 9210;
constexpr int DosWindowHeight = 6675;
constexpr ColorValue DosTextColor = RgbColor(194, 194, 194);
constexpr ColorValue DosBackColor = RgbColor(0, 0, 0);

// Held weakly: the menu may go with its window while the program runs on.
struct InstalledItems {
    std::array<QPointer<QAction>, 6> sizes;
    QPointer<QAction> bold;
    QPointer<QAction> italic;
};

InstalledItems& installedItems() {
    static InstalledItems items;
    return items;
}

void setChecked(QAction* item, bool checked) {
    if (item)
        item->setChecked(checked);
}

// The toolbar along the top edge; there is none until the toolbar is built.
QWidget* toolbarOf(const MainForm& form) {
    return form.Toolbar1();
}

struct BarExtent {
    bool visible = false;
    int height = 0; // twips
};

BarExtent extentOf(const QWidget* bar, const MainForm& form) {
    if (!bar || !bar->isVisibleTo(&form))
        return {};
    return {true, PixelsToTwips(bar->height())};
}

// The window's inner area below the menu bar, in the window's pixels.
QRect innerArea(const MainForm& form) {
    const QWidget* menu = form.menuWidget();
    const int top = menu && menu->isVisibleTo(&form) ? menu->geometry().bottom() + 1 : 0;
    return {0, top, form.width(), form.height() - top};
}

QRect toPixels(const QRect& twips) {
    return {TwipsToPixels(twips.x()), TwipsToPixels(twips.y()), TwipsToPixels(twips.width()),
            TwipsToPixels(twips.height())};
}

// Position of size in EditorFontSizes; 8 stands in for any other size.
std::size_t sizeIndex(int size) {
    const auto found = std::find(EditorFontSizes.begin(), EditorFontSizes.end(), size);
    return found == EditorFontSizes.end()
               ? 0
               : static_cast<std::size_t>(found - EditorFontSizes.begin());
}

// Selects size in the settings dialog's list when the list holds it.
void showSizeInSettings(double size) {
    const QString text = QString::number(size);
    const auto found = std::find_if(EditorFontSizes.begin(), EditorFontSizes.end(),
                                    [&text](int each) { return QString::number(each) == text; });
    if (found != EditorFontSizes.end())
        LoadedWindow<Visual>().Combo1()->setCurrentIndex(
            static_cast<int>(found - EditorFontSizes.begin()));
}

} // namespace

void SetFontMenuItems(const FontMenuItems& items) {
    InstalledItems& installed = installedItems();
    std::copy(items.sizes.begin(), items.sizes.end(), installed.sizes.begin());
    installed.bold = items.bold;
    installed.italic = items.italic;
}

FontMenuItems InstalledFontMenuItems() {
    const InstalledItems& installed = installedItems();
    FontMenuItems items;
    std::copy(installed.sizes.begin(), installed.sizes.end(), items.sizes.begin());
    items.bold = installed.bold;
    items.italic = installed.italic;
    return items;
}

void LayoutMainForm() {
    if (MainForm* form = MainForm::instance())
        LayoutMainForm(*form);
}

void LayoutMainForm(MainForm& form) {
    // A bar shown or hidden just now has not been laid out yet.
    if (QLayout* layout = form.layout())
        layout->activate();
    const QRect inner = innerArea(form);
    QWidget* editor = form.Text1();
    MainLayoutInput input;
    input.innerWidth = PixelsToTwips(inner.width());
    input.innerHeight = PixelsToTwips(inner.height());
    const BarExtent toolbar = extentOf(toolbarOf(form), form);
    input.toolbarVisible = toolbar.visible;
    input.toolbarHeight = toolbar.height;
    const BarExtent statusBar = extentOf(form.statusBar(), form);
    input.statusBarVisible = statusBar.visible;
    input.statusBarHeight = statusBar.height;
    input.tabStripVisible = form.FileTab()->isVisibleTo(&form);
    input.minimised = form.isMinimized();
    input.editorHeight = PixelsToTwips(editor->height());
    const std::optional<MainLayout> layout = LayoutMainArea(input);
    if (!layout)
        return;

    // Both controls sit in the central area, which the toolbar and the menu push down.
    const QPoint origin = editor->parentWidget()->mapFrom(&form, inner.topLeft());
    editor->setGeometry(toPixels(layout->editor).translated(origin));
    // A vertical tab bar draws its tabs at its left edge, so it covers only the
    // uncovered strip, which shows exactly what the full strip behind the editor would.
    form.FileTab()->setGeometry(toPixels(UncoveredTabArea(*layout)).translated(origin));
    form.FileTab()->lower();
}

void SetEditorFontSize(int size) {
    EditorSurface& surface = MainSurface();
    const FontMenuItems items = InstalledFontMenuItems();
    for (QAction* item : items.sizes)
        setChecked(item, false);
    const std::size_t index = sizeIndex(size);
    Program().AppliedFontSize = EditorFontSizes.at(index);
    surface.setTextFontSize(EditorFontSizes.at(index));
    setChecked(items.sizes.at(index), true);
    showSizeInSettings(surface.selFontSize());
}

void SetAlwaysOnTop(QWidget& window, bool on) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    const bool visible = window.isVisible();
    const QPoint position = window.pos();
    // Changing a window flag hides the window; show it again where it was.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window.move(position);
    if (visible)
        window.show();
}

void ApplyDosLook() {
    MainForm& form = *MainForm::instance();
    form.setWindowState(form.windowState() &
                        ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    form.resize(TwipsToPixels(DosWindowWidth), TwipsToPixels(DosWindowHeight));
    form.surface().setBackColor(DosBackColor);
    SetEditorFontSize(8);
    const FontMenuItems items = InstalledFontMenuItems();
    setChecked(items.bold, false);
    setChecked(items.italic, false);
    LoadedWindow<Visual>().setPreviewColors(DosTextColor, DosBackColor);
    ApplyEditorFont(DosTextColor, false, false, QStringLiteral("Courier New CE"));
}
