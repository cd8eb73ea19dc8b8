#include "colour/ColorControl.h"
#include "colour/ColorDialog.h"
#include "html/effects/ColorFade.h"
#include "html/forms/HtmlForm.h"
#include "html/frames/Frame.h"
#include "html/frames/Frames.h"
#include "html/head/HtmlID.h"
#include "html/head/Meta.h"
#include "html/images/Obrazek.h"
#include "html/links/HtmlLink.h"
#include "html/links/OdkazNaJiny.h"
#include "html/lists/HTMLSeznam.h"
#include "html/lists/SeznamDef.h"
#include "html/page/Vytvor.h"
#include "html/samples/Template.h"
#include "html/simple/Barva.h"
#include "html/simple/Hr.h"
#include "html/simple/Kotva.h"
#include "html/simple/MailTo.h"
#include "html/simple/Nadpis.h"
#include "html/simple/Odkaz.h"
#include "html/simple/Odstavec.h"
#include "html/simple/Smajl.h"
#include "html/simple/Zlomek.h"
#include "html/tables/Table.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"
#include "html/tags/EdiTag.h"
#include "html/tags/Tagy.h"
#include "platform/eliding_label.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/browser/frmBrowser.h"
#include "shell/dialogs/O.h"
#include "shell/dialogs/Pass.h"
#include "shell/dialogs/Visual.h"
#include "shell/files/FileProperties.h"
#include "shell/files/Otevri.h"
#include "shell/files/Uloz.h"
#include "shell/find/Hledani.h"
#include "shell/find/Zamena.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainTimer.h"
#include "shell/main_window/UpravToolbar.h"
#include "shell/shared_procedures.h"
#include "shell/start/Start.h"
#include "shell/window_instances.h"
#include "utilities/analysis/Analytic.h"
#include "utilities/calculator/Kalkul.h"
#include "utilities/calculator/Prev.h"
#include "utilities/charset/CharsetConv.h"
#include "utilities/ciphers/CHT.h"
#include "utilities/ciphers/Confeld.h"
#include "utilities/ciphers/RND_Sifra.h"
#include "utilities/ciphers/ShiftByte.h"
#include "utilities/ciphers/ShiftKod.h"
#include "utilities/ciphers/ZaKod.h"
#include "utilities/code_table/AsciiKod.h"
#include "utilities/keyboard/Klavesnice.h"
#include "utilities/line_ends/Dos_Unix_conv.h"
#include "utilities/lines/Formatuj.h"
#include "utilities/morse/Morse.h"
#include "utilities/selection/CaseMask.h"
#include "utilities/selection/Convert.h"
#include "utilities/selection/Shift.h"
#include "utilities/selection/ToolRap.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Room the window manager takes from a title bar for its icon and buttons.
constexpr int TitleBarButtonsWidth = 120;
// The least room between a text and its control's edge, or between two texts.
constexpr int TextMargin = 2;
// Characters a shortened preview keeps readable.
constexpr qsizetype LeastPreviewLength = 20;
constexpr int ShadowOffset = 4;

// Each text a user would find cut off in window, one line per fault.
class CutOffTexts {
public:
    explicit CutOffTexts(const QWidget& window) : m_window(window) {}

    void check() {
        checkTitle();
        std::vector<std::pair<const QLabel*, QRect>> lines;
        for (const QWidget* control : m_window.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&m_window))
                continue;
            if (const auto* preview = qobject_cast<const ElidingLabel*>(control)) {
                checkPreview(*preview);
            } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
                checkLabel(*label);
                if (!label->wordWrap() && !label->text().isEmpty())
                    lines.emplace_back(label, drawnText(*label));
            } else if (const auto* combo = qobject_cast<const QComboBox*>(control))
                checkCombo(*combo);
            else if (const auto* button = qobject_cast<const QPushButton*>(control))
                checkPushButton(*button);
            else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
                checkWidth(*button, button->text(), button->sizeHint().width());
            else if (const auto* group = qobject_cast<const QGroupBox*>(control))
                checkGroupTitle(*group);
            else if (const auto* header = qobject_cast<const QHeaderView*>(control))
                checkColumns(*header);
        }
        checkApart(lines);
    }
    [[nodiscard]] QStringList faults() const {
        QStringList once = m_faults;
        once.removeDuplicates();
        return once;
    }

private:
    void fault(const QWidget& control, const QString& text, const QString& what) {
        m_faults << u"%1/%2 \"%3\": %4"_s.arg(m_window.objectName(), control.objectName(), text,
                                              what);
    }
    void checkWidth(const QWidget& control, const QString& text, int needed) {
        if (!text.isEmpty() && needed > control.width())
            fault(control, text, u"needs %1 px, has %2"_s.arg(needed).arg(control.width()));
    }
    // A push button's size hint has a least width of its own, wider than many
    // a short caption needs: measure the caption, icon, margins and frame.
    void checkPushButton(const QPushButton& button) {
        const QStyle& style = *button.style();
        int needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() +
                     style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                     2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        if (!button.icon().isNull())
            needed += button.iconSize().width() + 4;
        checkWidth(button, button.text(), needed);
    }
    void checkLabel(const QLabel& label) {
        if (label.text().isEmpty())
            return;
        if (!label.wordWrap()) {
            checkWidth(label, label.text(), label.sizeHint().width());
            if (label.sizeHint().height() > label.height())
                fault(label, label.text(),
                      u"needs %1 px high, has %2"_s.arg(label.sizeHint().height())
                          .arg(label.height()));
            return;
        }
        const int needed = label.heightForWidth(label.width());
        if (needed > label.height())
            fault(label, label.text(),
                  u"wraps to %1 px high, has %2"_s.arg(needed).arg(label.height()));
    }
    // A preview may end in "…", but keeps enough of its text to be read.
    void checkPreview(const ElidingLabel& preview) {
        const QString shown = preview.shownText();
        const qsizetype kept = shown == preview.text() ? shown.size() : shown.size() - 1;
        if (kept < std::min(preview.text().size(), LeastPreviewLength))
            fault(preview, preview.text(), u"shows only \"%1\""_s.arg(shown));
    }
    void checkCombo(const QComboBox& combo) {
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.editable = combo.isEditable();
        option.frame = combo.hasFrame();
        const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, &combo);
        const QString text = combo.currentText();
        const int needed = combo.fontMetrics().horizontalAdvance(text) + 2 * TextMargin;
        if (!text.isEmpty() && needed > field.width())
            fault(combo, text, u"needs %1 px, field has %2"_s.arg(needed).arg(field.width()));
    }
    // Where a one-line label draws its text, in the window's coordinates.
    [[nodiscard]] QRect drawnText(const QLabel& label) const {
        const QSize size(label.fontMetrics().horizontalAdvance(label.text()),
                         label.fontMetrics().height());
        const QRect inside = QStyle::alignedRect(label.layoutDirection(), label.alignment(), size,
                                                 label.contentsRect());
        return QRect(label.mapTo(&m_window, inside.topLeft()), inside.size());
    }
    // Texts of neighbouring labels on one line must not read as one.
    void checkApart(const std::vector<std::pair<const QLabel*, QRect>>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (std::size_t j = i + 1; j < lines.size(); ++j) {
                const auto& [left, a] = lines[i];
                const auto& [right, b] = lines[j];
                // The same text drawn again a pixel or two off is its shadow.
                const QPoint offset = a.topLeft() - b.topLeft();
                if (left->text() == right->text() && offset.manhattanLength() <= ShadowOffset)
                    continue;
                const bool sameLine = a.top() < b.bottom() && b.top() < a.bottom();
                const int gap = std::max(a.left(), b.left()) - std::min(a.right(), b.right());
                if (sameLine && gap < 2 * TextMargin)
                    fault(*left, left->text(),
                          u"runs into \"%1\" (%2)"_s.arg(right->text(), right->objectName()));
            }
        }
    }
    // A column narrower than its heading or a cell's text shows "…".
    void checkColumns(const QHeaderView& header) {
        const auto* view = qobject_cast<const QAbstractItemView*>(header.parentWidget());
        for (int column = 0;
             view && header.orientation() == Qt::Horizontal && column < header.count(); ++column) {
            const int needed =
                std::max(header.sectionSizeHint(column), view->sizeHintForColumn(column));
            if (!header.isSectionHidden(column) && needed > header.sectionSize(column))
                fault(*view, header.model()->headerData(column, Qt::Horizontal).toString(),
                      u"column needs %1 px, has %2"_s.arg(needed).arg(header.sectionSize(column)));
        }
    }
    void checkGroupTitle(const QGroupBox& group) {
        const int indent = 2 * group.style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
        checkWidth(group, group.title(),
                   group.fontMetrics().horizontalAdvance(group.title()) + indent);
    }
    void checkTitle() {
        const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        const int needed = QFontMetrics(titleFont).horizontalAdvance(m_window.windowTitle()) +
                           TitleBarButtonsWidth;
        if (needed > m_window.width())
            fault(m_window, m_window.windowTitle(),
                  u"title needs %1 px, window has %2"_s.arg(needed).arg(m_window.width()));
    }

    const QWidget& m_window;
    QStringList m_faults;
};

// Every page of every tab strip of the window, in turn.
void forEachPage(QWidget& window, const std::function<void()>& look) {
    look();
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            look();
        }
    }
    for (QTabBar* bar : window.findChildren<QTabBar*>()) {
        if (qobject_cast<QTabWidget*>(bar->parentWidget()))
            continue;
        for (int i = 0; i < bar->count(); ++i) {
            bar->setCurrentIndex(i);
            QCoreApplication::processEvents();
            look();
        }
    }
}

struct WindowCase {
    const char* name;
    std::function<QWidget*(MainForm&)> open;
};

template <class Window> WindowCase window(const char* name) {
    return {name, [](MainForm& form) -> QWidget* { return new Window(&form); }};
}

// The form builder with the controls of one input type shown.
WindowCase formWithType(const char* name, const QString& type) {
    return {name, [type](MainForm& form) -> QWidget* {
                auto* builder = new HtmlForm(&form);
                auto* types = builder->findChild<QComboBox*>(u"CmbType"_s);
                types->setCurrentIndex(types->findText(type));
                return builder;
            }};
}

const WindowCase Windows[] = {
    {"MainForm",
     [](MainForm& form) -> QWidget* {
         form.surface().setText(QString(120000, u'x') + u"\r\nřádek"_s);
         form.surface().setSelStart(3);
         form.surface().setSelLength(100000);
         form.timer().tick();
         return &form;
     }},
    // Highlighting the largest document: the busy message beside the progress bar.
    {"MainForm busy",
     [](MainForm& form) -> QWidget* {
         form.surface().setText(QString(1442401, u'x'));
         form.surface().setSelStart(1442401);
         form.timer().tick();
         SetBusy(true, &form, u"Aplikuji nastavení barev ..."_s);
         return &form;
     }},
    {"Start",
     [](MainForm& form) -> QWidget* {
         auto* start = new Start(&form);
         start->setVersionText(u"1.0.0b CZ"_s);
         start->setLicensee(u"Jiřina Nováková-Procházková"_s);
         start->showMenuFrame();
         return start;
     }},
    window<Visual>("Visual"),
    window<Hledani>("Hledani"),
    window<Zamena>("Zamena"),
    window<Pass>("Pass"),
    {"O",
     [](MainForm& form) -> QWidget* {
         Program().Settings.UserName = u"Jiřina Nováková-Procházková"_s;
         return new O(&form);
     }},
    {"UpravToolbar",
     [](MainForm& form) -> QWidget* {
         auto* customise = new UpravToolbar(&form);
         customise->showFor(*form.Toolbar1());
         return customise;
     }},
    window<Otevri>("Otevri"),
    window<Uloz>("Uloz"),
    {"FileProperties",
     [](MainForm& form) -> QWidget* {
         auto* properties = new FileProperties(&form);
         properties->showFile(QCoreApplication::applicationFilePath());
         return properties;
     }},
    {"ColorDialog",
     [](MainForm& form) -> QWidget* {
         auto* picker = new ColorDialog(&form);
         // The widest values, confirmed into a history long enough to scroll.
         picker->setChannels({255, 255, 255});
         for (int row = 0; row < 8; ++row)
             picker->Command1()->click();
         return picker;
     }},
    window<ColorControl>("ColorControl"),
    window<Barva>("Barva"),
    window<Hr>("Hr"),
    window<Kotva>("Kotva"),
    window<MailTo>("MailTo"),
    window<Nadpis>("Nadpis"),
    window<Obrazek>("Obrazek"),
    window<Odkaz>("Odkaz"),
    window<Odstavec>("Odstavec"),
    window<Smajl>("Smajl"),
    window<Table>("Table"),
    window<TableCell>("TableCell"),
    window<TableRow>("TableRow"),
    window<Vytvor>("Vytvor"),
    window<Zlomek>("Zlomek"),
    window<Frame>("Frame"),
    window<Frames>("Frames"),
    window<ColorFade>("ColorFade"),
    {"Template",
     [](MainForm& form) -> QWidget* {
         auto* samples = new Template(&form);
         // The longest row, chosen, labels the preview.
         auto* list = samples->findChild<QTreeWidget*>(u"ListView1"_s);
         Q_EMIT list->itemClicked(list->topLevelItem(0), 0);
         return samples;
     }},
    window<Kalkul>("Kalkul"),
    window<Prev>("Prev"),
    window<ShiftKod>("ShiftKod"),
    window<Confeld>("Confeld"),
    window<ShiftByte>("ShiftByte"),
    {"RND_Sifra",
     [](MainForm& form) -> QWidget* {
         auto* cipher = new RND_Sifra(&form);
         cipher->findChild<QPushButton*>(u"Command2"_s)->click();
         return cipher;
     }},
    window<ZaKod>("ZaKod"),
    window<CHT>("CHT"),
    window<AsciiKod>("AsciiKod"),
    window<Klavesnice>("Klavesnice"),
    window<Analytic>("Analytic"),
    window<Dos_Unix_conv>("Dos_Unix_conv"),
    {"frmBrowser",
     [](MainForm& form) -> QWidget* {
         auto* browser = new frmBrowser(&form);
         browser->showUrl(u"http://localhost/index.html"_s);
         return browser;
     }},
    window<Tagy>("Tagy"),
    window<OdkazNaJiny>("OdkazNaJiny"),
    window<HtmlLink>("HtmlLink"),
    window<EdiTag>("EdiTag"),
    window<CharsetConv>("CharsetConv"),
    window<Morse>("Morse"),
    {"Formatuj",
     [](MainForm& form) -> QWidget* {
         auto* lines = new Formatuj(&form);
         lines->setLines(u"Příliš žluťoučký kůň\r\núpěl"_s);
         return lines;
     }},
    {"Shift",
     [](MainForm& form) -> QWidget* {
         auto* rotation = new Shift(&form);
         rotation->setSource(QString(300, u'x'));
         return rotation;
     }},
    window<ToolRap>("ToolRap"),
    window<Convert>("Convert"),
    window<CaseMask>("CaseMask"),
    window<HTMLSeznam>("HTMLSeznam"),
    {"HTMLSeznam numbered",
     [](MainForm& form) -> QWidget* {
         auto* list = new HTMLSeznam(&form);
         list->applySetup(ListEditorSetupFor(ListKind::Numbered));
         return list;
     }},
    window<SeznamDef>("SeznamDef"),
    window<HtmlID>("HtmlID"),
    window<Meta>("Meta"),
    formWithType("HtmlForm TEXT", u"TEXT"_s),
    formWithType("HtmlForm CHECKBOX", u"CHECKBOX"_s),
    formWithType("HtmlForm IMAGE", u"IMAGE"_s),
    formWithType("HtmlForm FILE", u"FILE"_s),
};

class EveryWindow : public ::testing::Test {
protected:
    EveryWindow() { Program() = ProgramState{}; }
    ~EveryWindow() override { Program() = ProgramState{}; }

    // Opens each window of the list, shows it and hands it to check.
    static void forEveryWindow(const std::function<void(const char*, QWidget&)>& check) {
        for (const WindowCase& c : Windows) {
            MainForm form;
            QWidget* window = c.open(form);
            window->show();
            QCoreApplication::processEvents();
            check(c.name, *window);
        }
    }

    TestPlatform platform;
};

// At the default font, no label, button, check box, option button or frame
// title shows less than its whole text, on any page of any window.
TEST_F(EveryWindow, ShowsEveryTextWhole) {
    forEveryWindow([](const char* name, QWidget& window) {
        CutOffTexts texts(window);
        forEachPage(window, [&] { texts.check(); });
        EXPECT_TRUE(texts.faults().isEmpty()) << name << ":\n"
                                              << texts.faults().join(u'\n').toStdString();
    });
}

// Every window owned by the main window stays above it (under X11 only a
// dialog or tool window is); the start screen, and the calculator and the
// browser run alone, are windows of their own.
TEST_F(EveryWindow, OwnedWindowsStayAboveTheMainWindow) {
    forEveryWindow([](const char* name, QWidget& window) {
        const MainForm* form = MainForm::instance();
        const Qt::WindowType type = window.windowType();
        const QWindow* above = type == Qt::Dialog || type == Qt::Tool
                                   ? window.windowHandle()->transientParent()
                                   : nullptr;
        if (&window != form) {
            EXPECT_EQ(above, std::string_view(name) == "Start" ? nullptr : form->windowHandle())
                << name;
        }
    });
    MainForm form;
    ShowCalculatorAlone();
    ShowBrowserAlone();
    EXPECT_EQ(LoadedWindowIfAny<Kalkul>()->windowType(), Qt::Window);
    EXPECT_EQ(LoadedWindowIfAny<frmBrowser>()->windowType(), Qt::Window);
}

// The work areas of an 800 x 600 and a 1024 x 600 screen with a 32 px panel,
// and a window manager's frame of a title bar and thin borders.
constexpr QSize SmallScreens[] = {{800, 568}, {1024, 568}};
constexpr QMargins WindowManagerFrame(4, 24, 4, 4);

// The visible controls past the window's edge, but for those in scrolled views.
QStringList ControlsOutside(const QWidget& window) {
    QStringList outside;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        bool scrolled = false;
        for (const QWidget* up = control; up != &window; up = up->parentWidget())
            scrolled = scrolled || qobject_cast<const QAbstractScrollArea*>(up->parentWidget());
        const QRect place(control->mapTo(&window, QPoint()), control->size());
        if (control->isVisibleTo(&window) && !control->isWindow() && !scrolled &&
            !window.rect().contains(place))
            outside << control->objectName() + u" past the edge"_s;
    }
    return outside;
}

// Every window with its frame, at the size it first shows at (the program's,
// else its size hint held to two thirds of the work area as Qt does, never
// below its least size), fits the work area on every page, with no control
// past its edge and every text whole: Ok and Storno stay within reach.
TEST_F(EveryWindow, FitsWholeOnSmallScreens) {
    for (const QSize workArea : SmallScreens) {
        forEveryWindow([workArea](const char* name, QWidget& window) {
            // Showing keeps this unset for the size Qt gives by itself.
            const bool sized = window.testAttribute(Qt::WA_Resized);
            QStringList faults;
            forEachPage(window, [&] {
                const QSize shown =
                    sized ? window.size() : window.sizeHint().boundedTo(workArea * 2 / 3);
                window.resize(shown.expandedTo(window.minimumSize()));
                QCoreApplication::processEvents();
                if (workArea.expandedTo(window.size().grownBy(WindowManagerFrame)) != workArea)
                    faults << u"%1x%2 inside"_s.arg(window.width()).arg(window.height());
                CutOffTexts texts(window);
                texts.check();
                faults << ControlsOutside(window) << texts.faults();
            });
            faults.removeDuplicates();
            EXPECT_TRUE(faults.isEmpty()) << name << " on " << workArea.width() << ":\n"
                                          << faults.join(u'\n').toStdString();
        });
    }
}

// Run under one font set, the fixed-pitch families the windows ask for are
// that set's monospace: a broken configuration would measure other fonts.
TEST_F(EveryWindow, RunsUnderTheFontSetAskedFor) {
    const QString monospace = qEnvironmentVariable("TARVEL_FONT_SET_MONOSPACE");
    if (monospace.isEmpty())
        GTEST_SKIP() << "run with the fonts installed";
    for (const QString& family : {u"Courier New"_s, u"Courier New CE"_s})
        EXPECT_EQ(QFontInfo(QFont(family)).family().toStdString(), monospace.toStdString())
            << family.toStdString();
}

// The controls Tab reaches in window, in the order it reaches them.
std::vector<QWidget*> TabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && w->isEnabled() &&
            w->window() == &window && w->focusProxy() == nullptr)
            chain.push_back(w);
    }
    return chain;
}

// Whether a reader meets a before b: a above b in the same column, or a left
// of b on the same row. Controls in different rows and columns are in no
// order (a column of buttons beside a form comes after it or before it).
bool ReadBefore(const QRect& a, const QRect& b) {
    const bool sameColumn = a.left() < b.x() + b.width() && b.left() < a.x() + a.width();
    const bool sameRow = a.top() < b.y() + b.height() && b.top() < a.y() + a.height();
    return (sameColumn && a.y() + a.height() <= b.top()) ||
           (sameRow && a.x() + a.width() <= b.left());
}

// Tab goes through every window in reading order: top to bottom, and left
// to right on a row.
TEST_F(EveryWindow, TabFollowsTheReadingOrder) {
    forEveryWindow([](const char* name, QWidget& window) {
        QStringList faults;
        forEachPage(window, [&] {
            const std::vector<QWidget*> chain = TabChain(window);
            std::vector<QRect> places;
            for (const QWidget* control : chain)
                places.emplace_back(control->mapTo(&window, QPoint()), control->size());
            for (std::size_t i = 0; i < chain.size(); ++i)
                for (std::size_t j = i + 1; j < chain.size(); ++j)
                    if (ReadBefore(places[j], places[i]))
                        faults << u"%1 before %2"_s.arg(chain[i]->objectName(),
                                                        chain[j]->objectName());
        });
        faults.removeDuplicates();
        EXPECT_TRUE(faults.isEmpty()) << name << ":\n" << faults.join(u'\n').toStdString();
    });
}

} // namespace
