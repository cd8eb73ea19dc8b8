#include "shell/files/Uloz.h"

#include "core/files/file_lists.h"
#include "core/files/path_helpers.h"
#include "core/text/editor_surface.h"
#include "platform/eliding_label.h"
#include "platform/named_control.h"
#include "shell/files/document_files.h"
#include "shell/files/file_browser_lists.h"
#include "shell/shared_procedures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

Uloz::Uloz(QWidget* parent) : FileWindow(parent, QStringLiteral("&Ulož"), QRect(284, 334, 90, 30)) {
    setObjectName(QStringLiteral("Uloz"));
    setWindowTitle(QStringLiteral("Uložit"));
    setFixedSize(480, 372);
    connect(Command1(), &QPushButton::clicked, this, &Uloz::save);

    buildLists();
    buildNameFields();
}

void Uloz::buildLists() {
    Drive1()->setGeometry(8, 8, 224, 26);
    Dir1()->setGeometry(8, 38, 224, 216);
    File1()->setGeometry(248, 8, 224, 216);
    connect(&lists(), &FileBrowserLists::folderChanged, this, &Uloz::targetChanged);
    connect(File1(), &FileList::fileClicked, this, &Uloz::fileClicked);

    m_text3 = MakeNamed<QLineEdit>(this, QStringLiteral("Text3"),
                                   {.text = QStringLiteral("*.*"),
                                    .toolTip = QStringLiteral("Zobrazené soubory (*.*)"),
                                    .place = QRect(248, 228, 224, 26)});
    connect(m_text3, &QLineEdit::textChanged, File1(), &FileList::setPattern);
}

void Uloz::buildNameFields() {
    m_text1 =
        MakeNamed<QLineEdit>(this, QStringLiteral("Text1"),
                             {.text = QStringLiteral("Jméno"), .place = QRect(8, 264, 322, 26)});
    m_text2 = MakeNamed<QComboBox>(this, QStringLiteral("Text2"));
    m_text2->setGeometry(338, 264, 134, 26);
    m_text2->setEditable(true);
    m_text2->addItems({QStringLiteral("htm"), QStringLiteral("txt"), QStringLiteral("bat"),
                       QStringLiteral("ini"), QStringLiteral("html"), QStringLiteral("php"),
                       QStringLiteral("inc")});
    m_text2->setCurrentText(QStringLiteral("html"));
    m_label1 = Named(new ElidingLabel(this), QStringLiteral("Label1"));
    m_label1->setText(QStringLiteral("Vložte údaje !"));
    m_label1->setGeometry(8, 298, 464, 28);
    connect(m_text1, &QLineEdit::textChanged, this, &Uloz::targetChanged);
    connect(m_text2, &QComboBox::editTextChanged, this, &Uloz::targetChanged);
}

void Uloz::presetDocument(const QString& path) {
    Command1()->setEnabled(true);
    // A document whose folder has gone keeps the folder the lists show.
    (void)showFolder(GetPathPart(path, 1));
    m_text1->setText(GetPathPart(path, 2));
    m_text2->setCurrentText(GetPathPart(path, 3));
    m_label1->setText(path);
}

void Uloz::targetChanged() {
    Command1()->setEnabled(true);
    m_label1->setText(ComposeSavePath(Dir1()->path(), m_text1->text(), m_text2->currentText()));
}

void Uloz::fileClicked(const QString& name) {
    const NameAndExtension parts = SplitAtLastDot(name);
    m_text1->setText(parts.name);
    m_text2->setCurrentText(parts.extension);
    targetChanged();
}

void Uloz::save() {
    const QString path = m_label1->text();
    hide();
    SaveDocument(path, MainSurface().text());
}
