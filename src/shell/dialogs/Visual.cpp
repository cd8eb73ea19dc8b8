#include "shell/dialogs/Visual.h"

#include "shell/files/file_dialogs.h"

#include "core/settings/settings_record.h"
#include "core/settings/user_details.h"
#include "core/shell/settings_dialog_rules.h"
#include "platform/colour_palette.h"
#include "platform/font_fallback.h"
#include "platform/message_box.h"
#include "platform/modal_turn.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/colour_picking.h"
#include "shell/dialogs/O.h"
#include "shell/dialogs/PlacementPicker.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/editor_look.h"
#include "shell/shared_procedures.h"
#include "shell/start/Start.h"
#include "shell/start/settings_saving.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>

namespace {

struct TabText {
    const char16_t* caption;
    const char16_t* toolTip;
    const char16_t* frameName;
};

// The pages in tab order; each tab brings up its own frame.
constexpr TabText Tabs[Visual::TabCount] = {
    {u"Text", u"Barvy a fonty hlavního textu", u"Frame2"},
    {u"Zobrazení", u"nastavení Autosnapu, zobrazování/schvávání toolbaru ...", u"Frame1"},
    {u"Uživatel", u"Vaše jméno, e-mail, heslo programu ...", u"Frame3"},
    {u"Okno", u"Pozice hlavního okna.", u"Frame4"},
    {u"AutoSave", u"Nastavení automatického ukládání", u"Frame5"},
};

constexpr int SnapReset = 240;

// The fonts of the three font options.
constexpr const char16_t* FontOption1 = u"MS Sans Serif";
constexpr const char16_t* FontOption2 = u"Courier New CE";
constexpr const char16_t* FontOption3 = u"Terminal";

// The font a preview shows; a font the machine lacks falls back to a
// fixed-pitch one, as in the editor.
QFont previewFont(const PreviewLook& look) {
    QFont font(look.fontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies(FontFamiliesFor(look.fontName));
    font.setPointSizeF(look.size);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    return font;
}

} // namespace

Visual::Visual(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Visual"));
    setWindowTitle(QStringLiteral("Tarvel Qor - Nastavení"));
    setFixedSize(TwipsToPixels(7200), TwipsToPixels(5520));
    buildTabStrip();
    buildTextPage();
    buildViewPage();
    buildUserPage();
    buildWindowPage();
    buildAutosavePage();
    showPage(0);
    loadFromProgram();
}

void Visual::buildTabStrip() {
    m_tabStrip = MakeNamed<QTabBar>(this, QStringLiteral("TabStrip1"));
    PlaceTwips(m_tabStrip, 120, 120, 6960, 360);
    for (int i = 0; i < TabCount; ++i) {
        m_tabStrip->addTab(QString::fromUtf16(Tabs[i].caption));
        m_tabStrip->setTabToolTip(i, QString::fromUtf16(Tabs[i].toolTip));
        m_frames[i] = MakeNamed<QGroupBox>(this, QString::fromUtf16(Tabs[i].frameName));
        PlaceTwips(m_frames[i], 120, 480, 6960, 4920);
    }
    m_frames[static_cast<int>(Tab::View)]->setTitle(QStringLiteral("Další možnosti"));
    connect(m_tabStrip, &QTabBar::currentChanged, this, &Visual::showPage);
}

void Visual::buildTextPage() {
    QGroupBox* page = frame(Tab::Text);
    m_label1 = MakeNamed<QPlainTextEdit>(page, QStringLiteral("Label1"),
                                         {.toolTip = QStringLiteral("Náhled písma a barev")});
    PlaceTwips(m_label1, 240, 300, 6000, 1320);
    m_label1->setPlainText(QStringLiteral("aábcčdďeéěfghchiíjklmnoóprřsštťuúůvwxyýzž\r\n"
                                          "AÁBCČDĎEÉĚFGHCHIÍJKLMNOÓPQRŘSŠTŤUÚVWXYÝZŽ\r\n"));
    renderPreview();

    const auto option = [page](const QString& name, const QString& text, const QString& toolTip,
                               int top) {
        auto* button = MakeNamed<QRadioButton>(page, name, {.text = text, .toolTip = toolTip});
        PlaceTwips(button, 240, top, 2040, 285);
        return button;
    };
    m_option1 = option(QStringLiteral("Option1"), QStringLiteral("MS &Sans Serif"),
                       QStringLiteral("Neproporciální"), 1800);
    m_option2 = option(QStringLiteral("Option2"), QStringLiteral("&Courier New CE"),
                       QStringLiteral("Fixed width"), 2100);
    m_option3 = option(QStringLiteral("Option3"), QStringLiteral("Terminal"),
                       QStringLiteral("ISO char"), 2400);
    for (const auto& [button, font] : fontOptions()) {
        connect(button, &QRadioButton::toggled, this, [this, font](bool on) {
            if (!on)
                return;
            m_preview.fontName = QString::fromUtf16(font);
            renderPreview();
        });
    }

    m_combo1 = MakeNamed<QComboBox>(page, QStringLiteral("Combo1"),
                                    {.toolTip = QStringLiteral("Velikost fontu")});
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : EditorFontSizes)
        m_combo1->addItem(QString::number(size));
    PlaceTwips(m_combo1, 2400, 1800, 960, 315);
    connect(m_combo1, &QComboBox::editTextChanged, this, &Visual::sizeEdited);
    // Choosing the size the box already shows still resets the preview to it.
    connect(m_combo1, &QComboBox::textActivated, this, &Visual::sizeEdited);

    // Each style box switches its part of the preview.
    const auto styleBox = [this, page](const QString& name, const QString& text, int top,
                                       bool PreviewLook::*style) {
        auto* box = MakeNamed<QCheckBox>(page, name, {.text = text});
        PlaceTwips(box, 2400, top, 1080, 285);
        connect(box, &QCheckBox::toggled, this, [this, style](bool on) {
            m_preview.*style = on;
            renderPreview();
        });
        return box;
    };
    m_check2 =
        styleBox(QStringLiteral("Check2"), QStringLiteral("&Tučný"), 2160, &PreviewLook::bold);
    m_check3 =
        styleBox(QStringLiteral("Check3"), QStringLiteral("&Kurzíva"), 2460, &PreviewLook::italic);

    m_command8 =
        makeTextButton(u"Command8", u"Barva po&předí ...", u"ForeColor", {3480, 1800}, 1680);
    m_command9 =
        makeTextButton(u"Command9", u"Barva po&zadí ...", u"BackColor", {3480, 2220}, 1680);
    m_command10 = makeTextButton(u"Command10", u"Jiný &font", u"", {3480, 2640}, 1680);
    m_command3 =
        makeTextButton(u"Command3", u"&Resetuj", u"Základní nastavení", {5280, 1800}, 1560);
    m_command4 = makeTextButton(u"Command4", u"DOS obrazovka", u"Nastavení podobné DOS oknu",
                                {5280, 2220}, 1560);
    m_command1 =
        makeTextButton(u"Command1", u"&Aplikuj", u"Použít zvoloené ...", {5280, 2640}, 1560);
    connect(m_command8, &QPushButton::clicked, this,
            [this] { pickColour(&PreviewLook::textColor); });
    connect(m_command9, &QPushButton::clicked, this,
            [this] { pickColour(&PreviewLook::backColor); });
    connect(m_command10, &QPushButton::clicked, this, &Visual::chooseOtherFont);
    connect(m_command3, &QPushButton::clicked, this, &Visual::resetPreview);
    connect(m_command4, &QPushButton::clicked, this, [] { ApplyDosLook(); });
    connect(m_command1, &QPushButton::clicked, this, &Visual::applyPreview);
    addCloseAndSave(page, QStringLiteral("Command2"), QStringLiteral("Command11"));
}

QPushButton* Visual::makeTextButton(const char16_t* name, const char16_t* text,
                                    const char16_t* toolTip, QPoint place, int width) {
    auto* button = MakeNamed<QPushButton>(
        frame(Tab::Text), QString::fromUtf16(name),
        {.text = QString::fromUtf16(text), .toolTip = QString::fromUtf16(toolTip)});
    PlaceTwips(button, place.x(), place.y(), width, 375);
    return button;
}

void Visual::buildViewPage() {
    QGroupBox* page = frame(Tab::View);
    const auto button = [page](const QString& name, const QString& text, int top) {
        auto* made = MakeNamed<QPushButton>(page, name, {.text = text});
        PlaceTwips(made, 240, top, 2640, 375);
        return made;
    };
    m_command12 = button(QStringLiteral("Command12"), QStringLiteral("Zobraz/Skryj &Toolbar"), 360);
    m_command13 =
        button(QStringLiteral("Command13"), QStringLiteral("Zobraz/Skryj &Statusbar"), 780);
    m_command14 =
        button(QStringLiteral("Command14"), QStringLiteral("Zobraz/Skryj &Filetab"), 1200);
    connect(m_command12, &QPushButton::clicked, this, [this] { runMenuEntry(MenuId::MnuTS); });
    connect(m_command13, &QPushButton::clicked, this, [this] { runMenuEntry(MenuId::MnuSBS); });
    connect(m_command14, &QPushButton::clicked, this, [this] { runMenuEntry(MenuId::mnuFTS); });
    QPushButton* customise =
        button(QStringLiteral("Command15"), QStringLiteral("&Uprav Toolbar"), 1620);
    connect(customise, &QPushButton::clicked, this, [this] { runMenuEntry(MenuId::mnucust); });
    // The chosen folder is where the program's open and save windows start.
    QPushButton* chooseFolder =
        button(QStringLiteral("getDir"), QStringLiteral("Vybrat adresář"), 2040);
    connect(chooseFolder, &QPushButton::clicked, this,
            [this] { (void)ChooseFileDialogFolder(this); });

    PlaceTwips(MakeNamed<QLabel>(page, QStringLiteral("Label11"),
                                 {.text = QStringLiteral("Přichytávání k obrazovce:")}),
               3120, 360, 3120, 255);
    m_vScroll7 = MakeNamed<QScrollBar>(page, QStringLiteral("VScroll7"));
    m_vScroll7->setOrientation(Qt::Horizontal);
    m_vScroll7->setRange(SnapBarMinimum, SnapBarMaximum);
    m_vScroll7->setSingleStep(1);
    m_vScroll7->setPageStep(100);
    PlaceTwips(m_vScroll7, 3120, 660, 3120, 255);
    m_label12 =
        MakeNamed<QLabel>(page, QStringLiteral("Label12"), {.toolTip = QStringLiteral("Hodnota")});
    PlaceTwips(m_label12, 3120, 1020, 960, 255);
    m_command5 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command5"),
        {.text = QStringLiteral("OK"), .toolTip = QStringLiteral("OK autosnap")});
    PlaceTwips(m_command5, 4200, 960, 720, 330);
    m_command6 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command6"),
        {.text = QStringLiteral("R"), .toolTip = QStringLiteral("Reset Autosnapu")});
    PlaceTwips(m_command6, 5040, 960, 480, 330);
    m_picture1 = MakeNamed<QLabel>(page, QStringLiteral("Picture1"),
                                   {.toolTip = QStringLiteral("Jak to bude vypadat")});
    PlaceTwips(m_picture1, 3120, 1440, 3120, 1200);

    connect(m_vScroll7, &QScrollBar::valueChanged, this, &Visual::drawSnapPreview);
    connect(m_command5, &QPushButton::clicked, this,
            [this] { Program().Settings.SnapDistance = m_vScroll7->value(); });
    connect(m_command6, &QPushButton::clicked, this, [this] { m_vScroll7->setValue(SnapReset); });
    addCloseAndSave(page, QStringLiteral("Command17"), QStringLiteral("Command18"));
}

void Visual::buildUserPage() {
    QGroupBox* page = frame(Tab::User);
    auto* heading = MakeNamed<QLabel>(page, QStringLiteral("LabConfig"),
                                      {.text = QStringLiteral("Konfigurace ")});
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    PlaceTwips(heading, 240, 300, 3600, 420);
    PlaceTwips(MakeNamed<QLabel>(page, QStringLiteral("LabFirstStart"),
                                 {.text = QStringLiteral("1. spuštění programu")}),
               240, 720, 3600, 285);

    PlaceTwips(MakeNamed<QLabel>(page, QStringLiteral("LabName"),
                                 {.text = QStringLiteral("Vaše jméno :")}),
               240, 1200, 1560, 255);
    m_text1 = MakeNamed<QLineEdit>(page, QStringLiteral("Text1"),
                                   {.toolTip = QStringLiteral("Jméno, nebo nick")});
    PlaceTwips(m_text1, 1920, 1170, 3600, 315);
    PlaceTwips(MakeNamed<QLabel>(page, QStringLiteral("LabEmail"),
                                 {.text = QStringLiteral("Váš E-ma@il :")}),
               240, 1620, 1560, 255);
    m_text2 = MakeNamed<QLineEdit>(page, QStringLiteral("Text2"),
                                   {.toolTip = QStringLiteral("Mail kontakt")});
    PlaceTwips(m_text2, 1920, 1590, 3600, 315);

    m_check1 =
        MakeNamed<QCheckBox>(page, QStringLiteral("Check1"),
                             {.text = QStringLiteral("Heslo ( nep. )"),
                              .toolTip = QStringLiteral("Heslo používané při zamykání programu")});
    PlaceTwips(m_check1, 240, 2040, 1680, 285);
    m_text3 =
        MakeNamed<QLineEdit>(page, QStringLiteral("Text3"), {.toolTip = QStringLiteral("Heslo")});
    PlaceTwips(m_text3, 1920, 2010, 3600, 315);
    m_text4 =
        MakeNamed<QLineEdit>(page, QStringLiteral("Text4"), {.toolTip = QStringLiteral("Ověření")});
    PlaceTwips(m_text4, 1920, 2430, 3600, 315);
    for (QLineEdit* box : {m_text3, m_text4}) {
        box->setEchoMode(QLineEdit::Password);
        box->setEnabled(false);
    }
    // The boxes keep their texts while switched off.
    connect(m_check1, &QCheckBox::toggled, this, [this](bool on) {
        m_text3->setEnabled(on);
        m_text4->setEnabled(on);
    });

    PlaceTwips(MakeNamed<QLabel>(page, QStringLiteral("LabThatIsAll"),
                                 {.text = QStringLiteral("A to je vše ...")}),
               240, 3000, 3600, 285);
    m_command16 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command16"),
        {.text = QStringLiteral("&Ok"), .toolTip = QStringLiteral("Ok, vyplněno")});
    PlaceTwips(m_command16, 240, 4380, 1200, 375);
    connect(m_command16, &QPushButton::clicked, this, &Visual::confirmUser);
}

void Visual::buildWindowPage() {
    QGroupBox* page = frame(Tab::Window);
    m_picPos = Named(new PlacementPicker(page), QStringLiteral("PicPos"));
    PlaceTwips(m_picPos, 240, 360, 2700, 2700);
    m_labPos = MakeNamed<QLabel>(page, QStringLiteral("LabPos"));
    PlaceTwips(m_labPos, 3120, 360, 2400, 285);
    connect(m_picPos, &PlacementPicker::cellHovered, m_labPos, &QLabel::setText);
    connect(m_picPos, &PlacementPicker::releasedAt, this, &Visual::placeMainWindow);
    addCloseAndSave(page, QStringLiteral("Command19"), QStringLiteral("Command20"));
}

void Visual::buildAutosavePage() {
    QGroupBox* page = frame(Tab::Autosave);
    m_chkTime = MakeNamed<QCheckBox>(page, QStringLiteral("ChkTime"),
                                     {.text = QStringLiteral("&Automaticky ukládat text každých")});
    PlaceTwips(m_chkTime, 240, 360, 3600, 285);
    m_slTime = MakeNamed<QSlider>(page, QStringLiteral("SLTime"),
                                  {.toolTip = QStringLiteral("Vyber počet minut")});
    m_slTime->setOrientation(Qt::Horizontal);
    m_slTime->setRange(1, 10);
    m_slTime->setSingleStep(1);
    m_slTime->setPageStep(5);
    m_slTime->setTickPosition(QSlider::TicksBelow);
    PlaceTwips(m_slTime, 240, 720, 3600, 420);
    m_lblTime =
        MakeNamed<QLabel>(page, QStringLiteral("LblTime"), {.text = QStringLiteral("1 minut")});
    PlaceTwips(m_lblTime, 3960, 780, 1200, 255);
    PlaceTwips(
        MakeNamed<QLabel>(page, QStringLiteral("LblWay"), {.text = QStringLiteral("Způsob :")}),
        240, 1320, 1200, 255);
    m_optDC = MakeNamed<QRadioButton>(page, QStringLiteral("OptDC"),
                                      {.text = QStringLiteral("Soubor datum_čas.txt")});
    PlaceTwips(m_optDC, 480, 1620, 3600, 285);
    m_optSou = MakeNamed<QRadioButton>(page, QStringLiteral("OptSou"),
                                       {.text = QStringLiteral("Soubor auto.txt")});
    PlaceTwips(m_optSou, 480, 1920, 3600, 285);
    m_optHla = MakeNamed<QRadioButton>(page, QStringLiteral("OptHla"),
                                       {.text = QStringLiteral("Soubor auto.txt s hlavičkou")});
    PlaceTwips(m_optHla, 480, 2220, 3600, 285);
    m_optHla->setChecked(true);
    enableAutosaveChoices(false);

    connect(m_chkTime, &QCheckBox::toggled, this, &Visual::autosaveSwitched);
    connect(m_slTime, &QSlider::valueChanged, this, [this](int minutes) {
        m_lblTime->setText(QString::number(minutes) + QStringLiteral(" minut"));
        autosaveChanged();
    });
    for (QRadioButton* option : {m_optDC, m_optSou, m_optHla})
        connect(option, &QRadioButton::toggled, this, &Visual::autosaveChanged);
    addCloseAndSave(page, QStringLiteral("Command7"), QStringLiteral("Command21"));
}

void Visual::addCloseAndSave(QGroupBox* page, const QString& closeName, const QString& saveName) {
    auto* close = MakeNamed<QPushButton>(
        page, closeName, {.text = QStringLiteral("&Zavři"), .toolTip = QStringLiteral("Alt+F4")});
    PlaceTwips(close, 240, 4380, 1200, 375);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* save = MakeNamed<QPushButton>(page, saveName,
                                        {.text = QStringLiteral("&Uložit konfiguraci"),
                                         .toolTip = QStringLiteral("Uloží aktuální konfiguraci")});
    PlaceTwips(save, 1560, 4380, 2160, 375);
    connect(save, &QPushButton::clicked, this, [] { SaveSettings(); });
}

void Visual::loadFromProgram() {
    const SettingsRecord& settings = Program().Settings;
    m_text1->setText(settings.UserName);
    m_text2->setText(settings.UserEmail);
    loadLookFromEditor();
    // A damaged settings file may hold a distance the bar cannot show.
    m_vScroll7->setValue(SnapBarValue(settings.SnapDistance));
    drawSnapPreview();
    writeAutosaveOptions(settings);
}

// The preview starts from the editor's selection: colours, bold, italic, the
// font when it is one of the three options, and the size the size box shows.
void Visual::loadLookFromEditor() {
    const MainForm* form = MainForm::instance();
    if (!form)
        return;
    const RichEditSurface& surface = form->surface();
    setPreviewColors(surface.selColor(), surface.backColor());
    m_check2->setChecked(surface.selBold());
    m_check3->setChecked(surface.selItalic());
    selectFontOption(surface.selFontName());
    m_combo1->setEditText(QString::number(surface.selFontSize()));
}

std::array<std::pair<QRadioButton*, const char16_t*>, 3> Visual::fontOptions() const {
    return {{{m_option1, FontOption1}, {m_option2, FontOption2}, {m_option3, FontOption3}}};
}

void Visual::selectFontOption(const QString& fontName) {
    for (const auto& [button, font] : fontOptions()) {
        if (fontName == QString::fromUtf16(font))
            button->setChecked(true);
    }
}

QGroupBox* Visual::frame(Tab tab) const {
    return m_frames.at(static_cast<int>(tab));
}

void Visual::selectTab(Tab tab) {
    m_tabStrip->setCurrentIndex(static_cast<int>(tab));
}

void Visual::showPage(int index) {
    for (int i = 0; i < TabCount; ++i)
        m_frames[i]->setVisible(i == index);
}

void Visual::showModal() {
    // A dialog already up modeless has to come down before it can go modal.
    if (isVisible())
        hide();
    ExecForOpener(*this);
}

void Visual::showUserPage() {
    selectTab(Tab::User);
    showModal();
}

void Visual::setUserFields(const QString& name, const QString& email) {
    m_text1->setText(name);
    m_text2->setText(email);
}

void Visual::runFirstRunWizard() {
    selectTab(Tab::User);
    m_tabStrip->setEnabled(false);
    const QPointer<Visual> self(this);
    showModal();
    if (self)
        m_tabStrip->setEnabled(true);
}

void Visual::confirmUser() {
    const UserDetails details{m_text1->text(), m_text2->text(), m_check1->isChecked(),
                              m_text3->text(), m_text4->text()};
    const QString problem = UserDetailsProblem(details);
    if (!problem.isEmpty()) {
        ShowNotice(this, problem, QStringLiteral("Config"), MessageBoxIcon::Information);
        return;
    }
    SettingsRecord& settings = Program().Settings;
    settings.UserName = details.name;
    settings.UserEmail = details.email;
    settings.LockPassword = StoredLockPassword(details);
    if (Start* start = LoadedWindowIfAny<Start>())
        start->setLicensee(settings.UserName);
    if (O* about = LoadedWindowIfAny<O>())
        about->setLicensee(settings.UserName);
    // Confirming unloads the dialog; the next use loads it afresh.
    accept();
    Platform().windows->discard(this);
}

void Visual::drawSnapPreview() {
    const int snap = m_vScroll7->value();
    m_label12->setText(QString::number(snap));
    QPixmap preview(m_picture1->size());
    preview.fill(Qt::white);
    QPainter painter(&preview);
    painter.fillRect(0, 0, TwipsToPixels(snap), preview.height(), Qt::black);
    m_picture1->setPixmap(preview);
}

void Visual::writeAutosaveOptions(const SettingsRecord& settings) {
    const bool on = settings.AutosaveOn;
    const int minutes = settings.AutosaveMinutes;
    const int mode = settings.AutosaveMode;
    m_writingAutosave = true;
    m_chkTime->setChecked(on);
    m_slTime->setValue(minutes);
    QRadioButton* option = mode == 1 ? m_optSou : mode == 2 ? m_optDC : m_optHla;
    option->setChecked(true);
    m_writingAutosave = false;
    autosaveChanged();
}

void Visual::readAutosaveOptions(SettingsRecord& settings) const {
    settings.AutosaveOn = m_chkTime->isChecked();
    settings.AutosaveMinutes = m_slTime->value();
    settings.AutosaveMode = m_optSou->isChecked() ? 1 : m_optDC->isChecked() ? 2 : 0;
}

void Visual::enableAutosaveChoices(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{m_slTime, m_optHla, m_optSou, m_optDC})
        control->setEnabled(on);
}

void Visual::autosaveSwitched(bool on) {
    enableAutosaveChoices(on);
    autosaveChanged();
}

void Visual::autosaveChanged() {
    if (!m_writingAutosave)
        readAutosaveOptions(Program().Settings);
}

void Visual::setPreviewColors(ColorValue text, ColorValue back) {
    m_preview.textColor = text;
    m_preview.backColor = back;
    renderPreview();
}

ColorValue Visual::previewTextColor() const {
    return m_preview.textColor;
}

ColorValue Visual::previewBackColor() const {
    return m_preview.backColor;
}

void Visual::renderPreview() {
    QPalette palette = m_label1->palette();
    palette.setColor(QPalette::Text, ToQColor(m_preview.textColor));
    palette.setColor(QPalette::Base, ToQColor(m_preview.backColor));
    m_label1->setPalette(palette);
    m_label1->setFont(previewFont(m_preview));
}

// Every edit of the box, also the box's own rewrites, leaves the settled
// text; the preview takes its size.
void Visual::sizeEdited(const QString& text) {
    const SizeBoxValue settled = SettleSizeBox(text);
    if (settled.text != text) {
        const QSignalBlocker quiet(m_combo1);
        m_combo1->setEditText(settled.text);
    }
    m_preview.size = settled.size;
    renderPreview();
}

void Visual::pickColour(ColorValue PreviewLook::*colour) {
    m_preview.*colour = PickShellColour(m_preview.*colour);
    renderPreview();
}

// Only the family and the size are taken from the font dialog; the weight
// and slant stay with the two check boxes.
void Visual::chooseOtherFont() {
    const FontChoice initial{m_preview.fontName, static_cast<double>(WholePoints(m_preview.size))};
    const std::optional<FontChoice> chosen = Platform().fontDialog->choose(initial, this);
    if (!chosen)
        return;
    m_preview.fontName = chosen->family;
    m_preview.size = chosen->pointSize;
    renderPreview();
}

void Visual::resetPreview() {
    m_check2->setChecked(false);
    m_check3->setChecked(false);
    m_option2->setChecked(true);
    m_combo1->setEditText(QStringLiteral("8"));
    m_preview.backColor = RgbColor(255, 255, 255);
    m_preview.textColor = RgbColor(0, 0, 0);
    m_preview.fontName = QString::fromUtf16(FontOption2);
    renderPreview();
}

void Visual::applyPreview() {
    const FontMenuItems items = InstalledFontMenuItems();
    if (items.bold)
        items.bold->setChecked(m_preview.bold);
    if (items.italic)
        items.italic->setChecked(m_preview.italic);
    MainSurface().setBackColor(m_preview.backColor);
    ApplyEditorFont(m_preview.textColor, m_preview.bold, m_preview.italic, m_preview.fontName);
    SetEditorFontSize(WholePoints(m_preview.size));
}

// The entry's own command shows or hides the bar and lays the window out.
void Visual::runMenuEntry(MenuId entry) {
    if (MainForm* form = MainForm::instance())
        form->menu().action(entry)->trigger();
}

void Visual::placeMainWindow(QPointF units) {
    MainForm* form = MainForm::instance();
    if (!form)
        return;
    form->setWindowState(form->windowState() &
                         ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const std::optional<PlacementCell> cell = PlacementCellAt(units.x(), units.y());
    if (!cell)
        return;
    const QSize screen = form->screen()->geometry().size();
    const WindowPlacement place =
        PlacementOnScreen(*cell, PixelsToTwips(screen.width()), PixelsToTwips(screen.height()));
    form->resize(TwipsToPixels(place.width), TwipsToPixels(place.height));
    form->move(TwipsToPixels(place.left), TwipsToPixels(place.top));
    if (place.maximise)
        form->setWindowState(Qt::WindowMaximized);
}
