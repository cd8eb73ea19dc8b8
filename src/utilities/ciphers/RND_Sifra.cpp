#include "utilities/ciphers/RND_Sifra.h"

#include "core/files/file_io.h"
#include "core/files/path_helpers.h"
#include "core/text/editor_surface.h"
#include "core/text/program_error.h"
#include "core/text/string_functions.h"
#include "core/utilities/cipher_table_file.h"
#include "platform/named_control.h"
#include "shell/files/document_files.h"
#include "shell/files/file_dialogs.h"
#include "shell/shared_procedures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] QListWidget* MakeList(QWidget* parent, const QString& name) {
    auto* list = MakeNamed<QListWidget>(parent, name);
    list->setFont(TextToolWindow::fixedPitchFont());
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 10);
    return list;
}

} // namespace

RND_Sifra::RND_Sifra(QWidget* owner) : CipherWindow(owner, u"RND_Sifra"_s, u"RND Šifra"_s) {
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(MakeNamed<QLabel>(this, u"Label1"_s, {.text = u"Připravený text :"_s}));
    m_preparedBox = makeTextBox(u"Text1"_s, true);
    layout->addWidget(m_preparedBox);
    QPushButton* prepare = makeButton(u"Command1"_s, u"Připrav text"_s);
    QPushButton* encryptButton = makeButton(u"Command5"_s, u"Zašifruj"_s);
    QPushButton* decryptButton = makeButton(u"Command6"_s, u"Odšifruj"_s);
    layout->addLayout(buttonRow({prepare}, {encryptButton, decryptButton}));

    auto* setup = MakeNamed<QGroupBox>(this, u"Frame1"_s);
    setup->setTitle(u" Setup generace "_s);
    auto* setupLayout = new QVBoxLayout(setup);
    auto* depthRow = new QHBoxLayout;
    auto* depthShown = MakeNamed<QLabel>(setup, u"Label9"_s);
    m_depth = makeValueBar(u"HScroll1"_s, SmallestCipherDepth, LargestCipherDepth, depthShown);
    m_depth->setParent(setup);
    depthRow->addWidget(m_depth, 1);
    depthShown->setMinimumWidth(depthShown->fontMetrics().horizontalAdvance(u"000"_s));
    depthRow->addWidget(depthShown);
    depthRow->addWidget(MakeNamed<QLabel>(setup, u"Label11"_s, {.text = u"A"_s}));
    setupLayout->addLayout(depthRow);
    auto* generateRow = new QHBoxLayout;
    QPushButton* generateButton = makeButton(u"Command2"_s, u"Generuj Šifrovací tabulku"_s);
    QPushButton* redrawCodesButton = makeButton(u"Command8"_s, u"Re-generuj A"_s);
    QPushButton* redrawGroupsButton = makeButton(u"Command9"_s, u"Re-generuj B"_s);
    for (QPushButton* button : {generateButton, redrawCodesButton, redrawGroupsButton}) {
        button->setParent(setup);
        generateRow->addWidget(button);
    }
    setupLayout->addLayout(generateRow);
    layout->addWidget(setup);

    layout->addWidget(MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"Šifrovací tabulka :"_s}));
    auto* lists = new QGridLayout;
    lists->addWidget(MakeNamed<QLabel>(this, u"Label3"_s, {.text = u"Část A:"_s}), 0, 0);
    lists->addWidget(MakeNamed<QLabel>(this, u"Label4"_s, {.text = u"Část B:"_s}), 0, 1);
    m_codes = MakeList(this, u"List1"_s);
    m_groups = MakeList(this, u"List2"_s);
    lists->addWidget(m_codes, 1, 0);
    lists->addWidget(m_groups, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 1);
    layout->addLayout(lists);

    auto* statisticsRow = new QHBoxLayout;
    statisticsRow->addWidget(MakeNamed<QLabel>(this, u"Label7"_s, {.text = u"Bezpečnost :"_s}));
    m_statistics = MakeNamed<QLabel>(this, u"Label6"_s);
    statisticsRow->addWidget(m_statistics, 1);
    layout->addLayout(statisticsRow);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(MakeNamed<QLabel>(this, u"Label5"_s, {.text = u"Poznámka :"_s}));
    m_note = MakeNamed<QLineEdit>(this, u"Text2"_s);
    // The file keeps a note of this many bytes.
    m_note->setMaxLength(static_cast<int>(LongestCipherTableText));
    noteRow->addWidget(m_note, 1);
    layout->addLayout(noteRow);

    QPushButton* loadButton = makeButton(u"Command3"_s, u"Načti šifrovací tabulku"_s);
    QPushButton* saveButton = makeButton(u"Command4"_s, u"Ulož šifrovací tabulku"_s);
    layout->addLayout(
        buttonRow({loadButton, saveButton}, {makeCancelButton(u"Command7"_s, u"Zavři"_s)}));
    setDefaultButton(prepare);

    m_tableButtons = {saveButton, encryptButton, decryptButton, redrawCodesButton,
                      redrawGroupsButton};
    for (QPushButton* button : m_tableButtons)
        button->setEnabled(false);

    connect(prepare, &QPushButton::clicked, this, &RND_Sifra::prepareText);
    connect(generateButton, &QPushButton::clicked, this, &RND_Sifra::generate);
    connect(redrawCodesButton, &QPushButton::clicked, this, &RND_Sifra::redrawCodes);
    connect(redrawGroupsButton, &QPushButton::clicked, this, &RND_Sifra::redrawGroups);
    connect(encryptButton, &QPushButton::clicked, this, &RND_Sifra::encrypt);
    connect(decryptButton, &QPushButton::clicked, this, &RND_Sifra::decrypt);
    connect(saveButton, &QPushButton::clicked, this, &RND_Sifra::save);
    connect(loadButton, &QPushButton::clicked, this, &RND_Sifra::load);
    connect(m_note, &QLineEdit::textChanged, this,
            [this](const QString& note) { m_table.Note = note; });
}

void RND_Sifra::prepareText() {
    m_prepared = PrepareCipherText(MainSurface().text());
    m_preparedBox->setPlainText(m_prepared);
}

void RND_Sifra::generate() {
    DrawCipherCodes(m_table, m_depth->value());
    DrawLetterGroups(m_table);
    showCodes();
    showGroups();
    m_note->clear();
    m_table.Note.clear();
    showStatistics(m_table.Depth);
    enableTableButtons();
}

void RND_Sifra::redrawCodes() {
    DrawCipherCodes(m_table, m_depth->value());
    showCodes();
    showStatistics(CountedAfterChange);
}

void RND_Sifra::redrawGroups() {
    DrawLetterGroups(m_table);
    showGroups();
    showStatistics(CountedAfterChange);
}

void RND_Sifra::encrypt() {
    const qint64 length = static_cast<qint64>(m_prepared.size()) * m_table.Depth;
    if (length > LargestDocumentSize) {
        ShowNotice(this,
                   u"Zašifrovaný text by měl %1 znaků, dokument jich smí mít nejvýš %2. "
                   "Zkraťte text nebo vygenerujte tabulku s menší hloubkou."_s.arg(length)
                       .arg(LargestDocumentSize),
                   windowTitle(), MessageBoxIcon::Exclamation);
        return;
    }
    replaceDocument(u"Aplikuji RND šifru ..."_s,
                    [this](const QString&) { return RndEncrypt(m_prepared, m_table); });
}

void RND_Sifra::decrypt() {
    replaceDocument(u"Odšifrovávám RND šifrou ..."_s,
                    [this](const QString&) { return RndDecrypt(m_prepared, m_table); });
}

void RND_Sifra::save() {
    const QString path = ShowSaveDialog(CipherTableFilter, this);
    if (path.isEmpty())
        return;
    try {
        WriteFileAtomically(path, EncodeCipherTable(m_table));
    } catch (const ProgramError& error) {
        ReportError(error);
    }
}

void RND_Sifra::load() {
    const QString path = ShowOpenDialog(CipherTableFilter, this);
    // The dialog gives only files that exist; one gone since changes nothing.
    if (CheckRegularFile(path) == FileReadFailure::Missing)
        return;
    // Bytes after the longest record are never part of the table.
    const FileRead read = ReadFileStart(path, LongestCipherTableFile);
    if (read.failure != FileReadFailure::None) {
        ReportError(FileReadError(path, read));
        return;
    }
    const DecodedCipherTable decoded = DecodeCipherTable(read.bytes);
    if (!decoded.table) {
        ShowNotice(this,
                   u"Soubor %1 nelze načíst jako šifrovací tabulku.\r\n%2\r\n"
                   "Tabulka zůstala beze změny."_s.arg(path, decoded.problem),
                   windowTitle(), MessageBoxIcon::Exclamation);
        return;
    }
    m_table = std::move(*decoded.table);
    showCodes();
    showGroups();
    m_note->setText(m_table.Note);
    showStatistics(CountedAfterChange);
    enableTableButtons();
}

void RND_Sifra::showCodes() {
    m_codes->clear();
    m_codes->addItems(CipherCodeLines(m_table));
}

void RND_Sifra::showGroups() {
    m_groups->clear();
    m_groups->addItems(LetterGroupLines(m_table));
}

void RND_Sifra::showStatistics(int countedPositions) {
    m_statistics->setText(CipherStatistics(m_table, countedPositions));
}

void RND_Sifra::enableTableButtons() {
    for (QPushButton* button : m_tableButtons)
        button->setEnabled(true);
}
