#include "shell/dialogs/Visual.h"

#include "core/settings/settings_record.h"
#include "core/settings/user_details.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/Start.h"
#include "shell/start/settings_saving.h"
#include "shell/window_instances.h"

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
#include <QScrollBar>
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

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                        TwipsToPixels(height));
}

// A control whose behaviour needs parts of the program not built yet.
template <class Widget>
Widget* makeInert(QWidget* parent, const QString& name, const ControlLook& look = {}) {
    Widget* widget = MakeNamed<Widget>(parent, name, look);
    widget->setEnabled(false);
    return widget;
}

QColor toQColor(ColorValue color) {
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}

ColorValue toColorValue(const QColor& color) {
    return RgbColor(color.red(), color.green(), color.blue());
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
    placeTwips(m_tabStrip, 120, 120, 6960, 360);
    for (int i = 0; i < TabCount; ++i) {
        m_tabStrip->addTab(QString::fromUtf16(Tabs[i].caption));
        m_tabStrip->setTabToolTip(i, QString::fromUtf16(Tabs[i].toolTip));
        m_frames[i] = MakeNamed<QGroupBox>(this, QString::fromUtf16(Tabs[i].frameName));
        placeTwips(m_frames[i], 120, 480, 6960, 4920);
    }
    m_frames[static_cast<int>(Tab::View)]->setTitle(QStringLiteral("Další možnosti"));
    connect(m_tabStrip, &QTabBar::currentChanged, this, &Visual::showPage);
}

void Visual::buildTextPage() {
    QGroupBox* page = frame(Tab::Text);
    m_label1 = MakeNamed<QPlainTextEdit>(page, QStringLiteral("Label1"),
                                         {.toolTip = QStringLiteral("Náhled písma a barev")});
    placeTwips(m_label1, 240, 300, 6000, 1320);
    m_label1->setPlainText(QStringLiteral("aábcčdďeéěfghchiíjklmnoóprřsštťuúůvwxyýzž\r\n"
                                          "AÁBCČDĎEÉĚFGHCHIÍJKLMNOÓPQRŘSŠTŤUÚVWXYÝZŽ\r\n"));
    setPreviewColors(RgbColor(0, 0, 0), RgbColor(255, 255, 255));

    placeTwips(makeInert<QRadioButton>(page, QStringLiteral("Option1"),
                                       {.text = QStringLiteral("MS &Sans Serif"),
                                        .toolTip = QStringLiteral("Neproporciální")}),
               240, 1800, 2040, 285);
    placeTwips(makeInert<QRadioButton>(page, QStringLiteral("Option2"),
                                       {.text = QStringLiteral("&Courier New CE"),
                                        .toolTip = QStringLiteral("Fixed width")}),
               240, 2100, 2040, 285);
    placeTwips(makeInert<QRadioButton>(
                   page, QStringLiteral("Option3"),
                   {.text = QStringLiteral("Terminal"), .toolTip = QStringLiteral("ISO char")}),
               240, 2400, 2040, 285);
    m_combo1 = makeInert<QComboBox>(page, QStringLiteral("Combo1"),
                                    {.toolTip = QStringLiteral("Velikost fontu")});
    m_combo1->setEditable(true);
    m_combo1->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                        QStringLiteral("14"), QStringLiteral("17"), QStringLiteral("24")});
    placeTwips(m_combo1, 2400, 1800, 960, 315);
    m_check2 =
        makeInert<QCheckBox>(page, QStringLiteral("Check2"), {.text = QStringLiteral("&Tučný")});
    placeTwips(m_check2, 2400, 2160, 1080, 285);
    m_check3 =
        makeInert<QCheckBox>(page, QStringLiteral("Check3"), {.text = QStringLiteral("&Kurzíva")});
    placeTwips(m_check3, 2400, 2460, 1080, 285);

    struct Button {
        const char16_t *name, *text, *toolTip;
        int left, top, width;
    };
    const Button buttons[] = {
        {u"Command8", u"Barva po&předí ...", u"ForeColor", 3480, 1800, 1680},
        {u"Command9", u"Barva po&zadí ...", u"BackColor", 3480, 2220, 1680},
        {u"Command10", u"Jiný &font", u"", 3480, 2640, 1680},
        {u"Command3", u"&Resetuj", u"Základní nastavení", 5280, 1800, 1560},
        {u"Command4", u"DOS obrazovka", u"Nastavení podobné DOS oknu", 5280, 2220, 1560},
        {u"Command1", u"&Aplikuj", u"Použít zvoloené ...", 5280, 2640, 1560},
    };
    for (const Button& b : buttons) {
        placeTwips(makeInert<QPushButton>(page, QString::fromUtf16(b.name),
                                          {.text = QString::fromUtf16(b.text),
                                           .toolTip = QString::fromUtf16(b.toolTip)}),
                   b.left, b.top, b.width, 375);
    }
    addCloseAndSave(page, QStringLiteral("Command2"), QStringLiteral("Command11"));
}

void Visual::buildViewPage() {
    QGroupBox* page = frame(Tab::View);
    const std::pair<const char16_t*, const char16_t*> buttons[] = {
        {u"Command12", u"Zobraz/Skryj &Toolbar"}, {u"Command13", u"Zobraz/Skryj &Statusbar"},
        {u"Command14", u"Zobraz/Skryj &Filetab"}, {u"Command15", u"&Uprav Toolbar"},
        {u"getDir", u"Vybrat adresář"},
    };
    int top = 360;
    for (const auto& [name, text] : buttons) {
        placeTwips(makeInert<QPushButton>(page, QString::fromUtf16(name),
                                          {.text = QString::fromUtf16(text)}),
                   240, top, 2640, 375);
        top += 420;
    }

    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("Label11"),
                                 {.text = QStringLiteral("Přichytávání k obrazovce:")}),
               3120, 360, 3120, 255);
    m_vScroll7 = MakeNamed<QScrollBar>(page, QStringLiteral("VScroll7"));
    m_vScroll7->setOrientation(Qt::Horizontal);
    m_vScroll7->setRange(10, 1450);
    m_vScroll7->setSingleStep(1);
    m_vScroll7->setPageStep(100);
    placeTwips(m_vScroll7, 3120, 660, 3120, 255);
    m_label12 =
        MakeNamed<QLabel>(page, QStringLiteral("Label12"), {.toolTip = QStringLiteral("Hodnota")});
    placeTwips(m_label12, 3120, 1020, 960, 255);
    m_command5 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command5"),
        {.text = QStringLiteral("OK"), .toolTip = QStringLiteral("OK autosnap")});
    placeTwips(m_command5, 4200, 960, 720, 330);
    m_command6 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command6"),
        {.text = QStringLiteral("R"), .toolTip = QStringLiteral("Reset Autosnapu")});
    placeTwips(m_command6, 5040, 960, 480, 330);
    m_picture1 = MakeNamed<QLabel>(page, QStringLiteral("Picture1"),
                                   {.toolTip = QStringLiteral("Jak to bude vypadat")});
    placeTwips(m_picture1, 3120, 1440, 3120, 1200);

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
    placeTwips(heading, 240, 300, 3600, 420);
    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("LabFirstStart"),
                                 {.text = QStringLiteral("1. spuštění programu")}),
               240, 720, 3600, 285);

    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("LabName"),
                                 {.text = QStringLiteral("Vaše jméno :")}),
               240, 1200, 1560, 255);
    m_text1 = MakeNamed<QLineEdit>(page, QStringLiteral("Text1"),
                                   {.toolTip = QStringLiteral("Jméno, nebo nick")});
    placeTwips(m_text1, 1920, 1170, 3600, 315);
    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("LabEmail"),
                                 {.text = QStringLiteral("Váš E-ma@il :")}),
               240, 1620, 1560, 255);
    m_text2 = MakeNamed<QLineEdit>(page, QStringLiteral("Text2"),
                                   {.toolTip = QStringLiteral("Mail kontakt")});
    placeTwips(m_text2, 1920, 1590, 3600, 315);

    m_check1 =
        MakeNamed<QCheckBox>(page, QStringLiteral("Check1"),
                             {.text = QStringLiteral("Heslo ( nep. )"),
                              .toolTip = QStringLiteral("Heslo používané při zamykání programu")});
    placeTwips(m_check1, 240, 2040, 1680, 285);
    m_text3 =
        MakeNamed<QLineEdit>(page, QStringLiteral("Text3"), {.toolTip = QStringLiteral("Heslo")});
    placeTwips(m_text3, 1920, 2010, 3600, 315);
    m_text4 =
        MakeNamed<QLineEdit>(page, QStringLiteral("Text4"), {.toolTip = QStringLiteral("Ověření")});
    placeTwips(m_text4, 1920, 2430, 3600, 315);
    for (QLineEdit* box : {m_text3, m_text4}) {
        box->setEchoMode(QLineEdit::Password);
        box->setEnabled(false);
    }
    // The boxes keep their texts while switched off.
    connect(m_check1, &QCheckBox::toggled, this, [this](bool on) {
        m_text3->setEnabled(on);
        m_text4->setEnabled(on);
    });

    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("LabThatIsAll"),
                                 {.text = QStringLiteral("A to je vše ...")}),
               240, 3000, 3600, 285);
    m_command16 = MakeNamed<QPushButton>(
        page, QStringLiteral("Command16"),
        {.text = QStringLiteral("&Ok"), .toolTip = QStringLiteral("Ok, vyplněno")});
    placeTwips(m_command16, 240, 4380, 1200, 375);
    connect(m_command16, &QPushButton::clicked, this, &Visual::confirmUser);
}

void Visual::buildWindowPage() {
    QGroupBox* page = frame(Tab::Window);
    auto* picker = makeInert<QLabel>(page, QStringLiteral("PicPos"));
    picker->setFrameStyle(QFrame::Box | QFrame::Plain);
    placeTwips(picker, 240, 360, 2700, 2700);
    placeTwips(MakeNamed<QLabel>(page, QStringLiteral("LabPos")), 3120, 360, 2400, 285);
    addCloseAndSave(page, QStringLiteral("Command19"), QStringLiteral("Command20"));
}

void Visual::buildAutosavePage() {
    QGroupBox* page = frame(Tab::Autosave);
    m_chkTime = MakeNamed<QCheckBox>(page, QStringLiteral("ChkTime"),
                                     {.text = QStringLiteral("&Automaticky ukládat text každých")});
    placeTwips(m_chkTime, 240, 360, 3600, 285);
    m_slTime = MakeNamed<QSlider>(page, QStringLiteral("SLTime"),
                                  {.toolTip = QStringLiteral("Vyber počet minut")});
    m_slTime->setOrientation(Qt::Horizontal);
    m_slTime->setRange(1, 10);
    m_slTime->setSingleStep(1);
    m_slTime->setPageStep(5);
    m_slTime->setTickPosition(QSlider::TicksBelow);
    placeTwips(m_slTime, 240, 720, 3600, 420);
    m_lblTime =
        MakeNamed<QLabel>(page, QStringLiteral("LblTime"), {.text = QStringLiteral("1 minut")});
    placeTwips(m_lblTime, 3960, 780, 1200, 255);
    placeTwips(
        MakeNamed<QLabel>(page, QStringLiteral("LblWay"), {.text = QStringLiteral("Způsob :")}),
        240, 1320, 1200, 255);
    m_optDC = MakeNamed<QRadioButton>(page, QStringLiteral("OptDC"),
                                      {.text = QStringLiteral("Soubor datum_čas.txt")});
    placeTwips(m_optDC, 480, 1620, 3600, 285);
    m_optSou = MakeNamed<QRadioButton>(page, QStringLiteral("OptSou"),
                                       {.text = QStringLiteral("Soubor auto.txt")});
    placeTwips(m_optSou, 480, 1920, 3600, 285);
    m_optHla = MakeNamed<QRadioButton>(page, QStringLiteral("OptHla"),
                                       {.text = QStringLiteral("Soubor auto.txt s hlavičkou")});
    placeTwips(m_optHla, 480, 2220, 3600, 285);
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
    placeTwips(close, 240, 4380, 1200, 375);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* save = MakeNamed<QPushButton>(page, saveName,
                                        {.text = QStringLiteral("&Uložit konfiguraci"),
                                         .toolTip = QStringLiteral("Uloží aktuální konfiguraci")});
    placeTwips(save, 1560, 4380, 2160, 375);
    connect(save, &QPushButton::clicked, this, [] { SaveSettings(); });
}

void Visual::loadFromProgram() {
    const SettingsRecord& settings = Program().Settings;
    m_text1->setText(settings.UserName);
    m_text2->setText(settings.UserEmail);
    if (const MainForm* form = MainForm::instance())
        setPreviewColors(form->surface().selColor(), form->surface().backColor());
    m_vScroll7->setValue(settings.SnapDistance);
    drawSnapPreview();
    writeAutosaveOptions(settings);
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
    exec();
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
        MessageBoxRequest message;
        message.text = problem;
        message.title = QStringLiteral("Config");
        message.icon = MessageBoxIcon::Information;
        (void)Platform().messageBox->show(message, this);
        return;
    }
    SettingsRecord& settings = Program().Settings;
    settings.UserName = details.name;
    settings.UserEmail = details.email;
    // The password box counts even with the check box off, where it is
    // normally empty and so switches the lock password off.
    settings.LockPassword = details.password;
    if (Start* start = LoadedWindowIfAny<Start>())
        start->setLicensee(settings.UserName);
    // Confirming unloads the dialog; the next use loads it afresh.
    accept();
    deleteLater();
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
    QPalette palette = m_label1->palette();
    palette.setColor(QPalette::Text, toQColor(text));
    palette.setColor(QPalette::Base, toQColor(back));
    m_label1->setPalette(palette);
}

ColorValue Visual::previewTextColor() const {
    return toColorValue(m_label1->palette().color(QPalette::Text));
}

ColorValue Visual::previewBackColor() const {
    return toColorValue(m_label1->palette().color(QPalette::Base));
}
