#include "shell/files/Otevri.h"

#include "core/files/file_information.h"
#include "core/files/file_lists.h"
#include "core/text/program_error.h"
#include "platform/eliding_label.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/surface/paragraph_text.h"
#include "shell/browser/browser_procedures.h"
#include "shell/files/FileProperties.h"
#include "shell/files/document_files.h"
#include "shell/files/file_browser_lists.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace {

const QString NoFileYet = QStringLiteral("Nastav soubor !");
const QString PreviewKey = QStringLiteral("Pre");

struct TabRow {
    const char16_t* caption;
    const char* key;
    const char16_t* toolTip;
};

constexpr TabRow Tabs[] = {
    {u"Náhled", "Pre", u"Náhled souboru"},
    {u"Informace", "Inf", u"Informace o souboru"},
};

constexpr const char16_t* AttributeCaptions[] = {u"Jen ke čtení", u"Skrytý", u"Systémový",
                                                 u"Archivovat"};

// The text as a text box can show it: NUL would end the shown text early.
QString visibleText(QString text) {
    return text.replace(QChar(u'\0'), NulPlaceholder);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    return MakeNamed<QLabel>(parent, name, {.text = text, .place = place});
}

} // namespace

Otevri::Otevri(QWidget* parent)
    : FileWindow(parent, QStringLiteral("&Otevři"), QRect(404, 398, 90, 30)) {
    setObjectName(QStringLiteral("Otevri"));
    setWindowTitle(QStringLiteral("Otevřít"));
    setFixedSize(600, 436);
    connect(Command1(), &QPushButton::clicked, this, &Otevri::openFile);

    buildLists();
    buildPreviewPage();
    buildInformationPage();
    showPage(0);
}

void Otevri::buildLists() {
    Drive1()->setGeometry(8, 8, 224, 26);
    Dir1()->setGeometry(8, 38, 224, 160);
    File1()->setGeometry(8, 202, 224, 150);
    connect(File1(), &FileList::fileClicked, this, &Otevri::fileClicked);

    m_text1 = MakeNamed<QComboBox>(this, QStringLiteral("Text1"));
    m_text1->setGeometry(8, 358, 224, 26);
    m_text1->setEditable(true);
    m_text1->addItems({QStringLiteral("*.htm"), QStringLiteral("*.txt"), QStringLiteral("*.bat"),
                       QStringLiteral("*.ini"), QStringLiteral("*.*"), QStringLiteral("*.html")});
    m_text1->setCurrentText(QStringLiteral("*.*"));
    connect(m_text1, &QComboBox::editTextChanged, File1(), &FileList::setPattern);

    m_label1 = Named(new ElidingLabel(this), QStringLiteral("Label1"));
    m_label1->setText(NoFileYet);
    m_label1->setGeometry(8, 398, 388, 30);

    m_tabStrip1 = MakeNamed<QTabBar>(this, QStringLiteral("TabStrip1"));
    m_tabStrip1->setGeometry(240, 8, 352, 28);
    for (const TabRow& tab : Tabs) {
        const int index = m_tabStrip1->addTab(QString::fromUtf16(tab.caption));
        m_tabStrip1->setTabData(index, QString::fromLatin1(tab.key));
        m_tabStrip1->setTabToolTip(index, QString::fromUtf16(tab.toolTip));
    }
    connect(m_tabStrip1, &QTabBar::currentChanged, this, &Otevri::showPage);
}

void Otevri::buildPreviewPage() {
    m_frPre =
        MakeNamed<QGroupBox>(this, QStringLiteral("FrPre"), {.place = QRect(240, 36, 352, 348)});
    makeLabel(m_frPre, QStringLiteral("Label2"), QStringLiteral("Náhled :"),
              QRect(10, 14, 120, 24));
    m_browzde =
        MakeNamed<QToolButton>(m_frPre, QStringLiteral("Browzde"),
                               {.toolTip = QStringLiteral("Zobrazit v interním html browseru"),
                                .place = QRect(306, 10, 34, 30)});
    m_browzde->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    // Enabled with Open, by the first file clicked.
    m_browzde->setEnabled(false);
    connect(m_browzde, &QToolButton::clicked, this,
            [this] { ShowFileInBrowser(m_label1->text()); });
    m_text2 = MakeNamed<QPlainTextEdit>(m_frPre, QStringLiteral("Text2"),
                                        {.place = QRect(10, 44, 332, 294)});
    m_text2->setReadOnly(true);
    m_text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text2->setPlainText(QStringLiteral("Není k dispozici\r\n"));
}

void Otevri::buildInformationPage() {
    m_frInf =
        MakeNamed<QGroupBox>(this, QStringLiteral("FrInf"), {.place = QRect(240, 36, 352, 348)});
    constexpr int valueLeft = 150;
    constexpr int valueWidth = 190;
    makeLabel(m_frInf, QStringLiteral("Label3"), QStringLiteral("Typ:"), QRect(12, 20, 130, 24));
    m_label7 = makeLabel(m_frInf, QStringLiteral("Label7"), QString(),
                         QRect(valueLeft, 20, valueWidth, 24));
    m_label7->setTextFormat(Qt::PlainText);
    makeLabel(m_frInf, QStringLiteral("Label4"), QStringLiteral("Velikost souboru:"),
              QRect(12, 50, 130, 24));
    m_label5 = makeLabel(m_frInf, QStringLiteral("Label5"), QStringLiteral("0b"),
                         QRect(valueLeft, 50, valueWidth, 24));
    makeLabel(m_frInf, QStringLiteral("Label6"), QStringLiteral("Atributy:"),
              QRect(12, 80, 130, 24));
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        QCheckBox* box = MakeNamed<QCheckBox>(
            m_frInf, QStringLiteral("Check%1").arg(i + 1),
            {.text = QString::fromUtf16(AttributeCaptions[i]),
             .place = QRect(valueLeft, 80 + 26 * static_cast<int>(i), valueWidth, 24)});
        box->setEnabled(false);
        box->setFocusPolicy(Qt::NoFocus);
        m_checks[i] = box;
    }
    makeLabel(m_frInf, QStringLiteral("Label10"), QStringLiteral("Datum a čas:"),
              QRect(12, 192, 130, 24));
    m_label11 = makeLabel(m_frInf, QStringLiteral("Label11"), QString(),
                          QRect(valueLeft, 192, valueWidth, 24));
    m_cmndInfo = MakeNamed<QPushButton>(m_frInf, QStringLiteral("CmndInfo"),
                                        {.text = QStringLiteral("Další &Informace"),
                                         .toolTip = QStringLiteral("Systémový dialog vlastností"),
                                         .place = QRect(12, 232, 160, 30)});
    m_cmndInfo->setAutoDefault(false);
    connect(m_cmndInfo, &QPushButton::clicked, this, &Otevri::showProperties);
}

QCheckBox* Otevri::check(int number) const {
    return number >= 1 && number <= 4 ? m_checks[static_cast<std::size_t>(number - 1)] : nullptr;
}

void Otevri::showPage(int index) {
    const bool preview = m_tabStrip1->tabData(index).toString() == PreviewKey;
    m_frPre->setVisible(preview);
    m_frInf->setVisible(!preview);
}

void Otevri::fileClicked(const QString& name) {
    Command1()->setEnabled(true);
    m_browzde->setEnabled(true);
    const QString path = JoinFolderAndName(File1()->path(), name);
    m_label1->setText(path);
    clearFileDetails();
    try {
        readFileDetails(path);
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

// A file that cannot be read must not leave the last file's details beside
// its name.
void Otevri::clearFileDetails() {
    m_text2->clear();
    m_label5->clear();
    m_label7->clear();
    m_label11->clear();
    for (QCheckBox* box : m_checks)
        box->setChecked(false);
}

void Otevri::readFileDetails(const QString& path) {
    m_text2->setPlainText(visibleText(FilePreviewText(path)));
    const FileInformation information = FileInformationOf(QFileInfo(path));
    m_label5->setText(information.size);
    m_checks[0]->setChecked(information.attributes.readOnly);
    m_checks[1]->setChecked(information.attributes.hidden);
    m_checks[2]->setChecked(information.attributes.system);
    m_checks[3]->setChecked(information.attributes.archive);
    m_label11->setText(information.modified);
    m_label7->setText(information.type);
}

void Otevri::openFile() {
    MessageBoxRequest question;
    question.text = QStringLiteral("Opravdu otevřít soubor ?");
    question.title = QStringLiteral("Soubor");
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Exclamation;
    if (Platform().messageBox->show(question, this) != MessageBoxAnswer::Yes)
        return;
    const QString path = m_label1->text();
    hide();
    OpenDocument(path);
}

// With no file chosen there is nothing to show.
void Otevri::showProperties() {
    const QFileInfo file(m_label1->text());
    if (!file.isFile())
        return;
    FileProperties& properties = LoadedWindow<FileProperties>();
    properties.showFile(file.filePath());
    ShowOwned(properties);
}
