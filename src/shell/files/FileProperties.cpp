#include "shell/files/FileProperties.h"

#include "core/files/file_information.h"
#include "core/text/program_error.h"
#include "platform/named_control.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FileProperties::FileProperties(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FileProperties"));
    setWindowTitle(QStringLiteral("Vlastnosti souboru"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    m_rows = new QFormLayout;
    m_rows->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addLayout(m_rows);
    m_ok = MakeNamed<QPushButton>(this, QStringLiteral("CmndOK"), {.text = QStringLiteral("OK")});
    m_ok->setDefault(true);
    layout->addWidget(m_ok, 0, Qt::AlignRight);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::hide);
}

void FileProperties::showFile(const QString& path) {
    clearRows();
    QList<FilePropertyRow> rows;
    try {
        rows = FilePropertyRows(QFileInfo(path));
    } catch (const ProgramError& error) {
        rows = {{QStringLiteral("Soubor:"), path}, {QStringLiteral("Chyba:"), error.description}};
    }
    for (const FilePropertyRow& row : rows) {
        auto* value = new QLabel(row.value, this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setTextFormat(Qt::PlainText);
        m_rows->addRow(new QLabel(row.label, this), value);
    }
    adjustSize();
}

void FileProperties::clearRows() {
    while (m_rows->rowCount() > 0)
        m_rows->removeRow(0);
}
