#include "html/controls/FilePickerGroup.h"

#include "platform/named_control.h"
#include "platform/window_registry.h"
#include "shell/ProgramState.h"
#include "shell/browser/browser_procedures.h"
#include "shell/files/file_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

FilePickerGroup::FilePickerGroup(const QString& filter, QWidget* parent)
    : QWidget(parent), m_filter(filter) {
    setObjectName(QStringLiteral("FilePickerGroup"));

    // The same tooltip on every dialog, whatever kind of file it asks for.
    m_fileChoose = MakeNamed<QPushButton>(this, QStringLiteral("FileChoose"),
                                          {.text = QStringLiteral("&Vyber soubor"),
                                           .toolTip = QStringLiteral("Vyber soubor obrázku")});

    m_pathText = MakeNamed<QPlainTextEdit>(this, QStringLiteral("PathText"),
                                           {.toolTip = QStringLiteral("Cesta k souboru")});
    m_pathText->setReadOnly(true);
    m_pathText->setMaximumHeight(m_pathText->fontMetrics().lineSpacing() * 3);

    m_relativePathChk = MakeNamed<QCheckBox>(
        this, QStringLiteral("RelativePathChk"),
        {.text = QStringLiteral("Relativně"), .toolTip = QStringLiteral("Relativní cestu")});
    m_relativePathChk->setChecked(m_state.isRelative());

    m_browzde =
        MakeNamed<QPushButton>(this, QStringLiteral("Browzde"),
                               {.toolTip = QStringLiteral("Zobrazit v interním html browseru")});
    m_browzde->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    // The path reads before the button beside it.
    setTabOrder(m_pathText, m_fileChoose);
    // Nothing to show until a file is chosen.
    m_browzde->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pathText, 0, 0, 1, 3);
    layout->addWidget(m_fileChoose, 1, 0);
    layout->addWidget(m_relativePathChk, 1, 1);
    layout->addWidget(m_browzde, 1, 2);

    connect(m_fileChoose, &QPushButton::clicked, this, &FilePickerGroup::chooseFile);
    connect(m_relativePathChk, &QCheckBox::toggled, this, &FilePickerGroup::setRelative);
    connect(m_browzde, &QPushButton::clicked, this, [this] { ShowFileInBrowser(fullPath()); });
}

QString FilePickerGroup::generalFilter() {
    return QStringLiteral("Všechno (*.*)|*.*|jen text (*.txt)|*.txt|dávky (*.bat)|*.bat|"
                          "Html dokument (*.html)|*.html|htm dokument (*.htm)|*.htm|"
                          "ini soubor (*.ini)|*.ini|Php stránky (*.php)|*.php|"
                          "Php3 stránky (*.php3)|*.php3|Include soubory (*.inc)|*.inc");
}

QString FilePickerGroup::pictureFilter() {
    return QStringLiteral("Všechno (*.*)|*.*|Jpeg Pressed Graphics (*.jpg)|*.jpg|"
                          "Jpeg (*.jpeg)|*.jpeg|Graphic Interchange Format (*.gif)|*.gif|"
                          "Portable Network Graphics (*.png)|*.png|BitMaP (*.bmp)|*.bmp");
}

QString FilePickerGroup::styleSheetFilter() {
    return QStringLiteral("Cascading style sheet (*.css)|*.css");
}

void FilePickerGroup::chooseFile() {
    const QString chosen = ShowOpenDialog(m_filter, window());
    if (chosen.isEmpty())
        return;
    m_state.choose(chosen, Program().CurrentFilePath, Program().AppFolder);
    SetWindowTag(m_fileChoose, m_state.fullPath());
    m_browzde->setEnabled(true);
    showPath();
    Q_EMIT fileChosen(m_state.fullPath());
}

void FilePickerGroup::enableBrowzde() {
    m_browzde->setEnabled(true);
}

void FilePickerGroup::setRelative(bool relative) {
    // Measured from the document open now, not the one open at the choice.
    m_state.setRelative(relative, Program().CurrentFilePath, Program().AppFolder);
    showPath();
}

void FilePickerGroup::showPath() {
    m_pathText->setPlainText(m_state.pathText());
}
