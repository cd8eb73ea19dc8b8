#include "utilities/line_ends/Dos_Unix_conv.h"

#include "core/files/file_io.h"
#include "core/shell/browser_rules.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "platform/window_title.h"
#include "shell/ProgramState.h"
#include "shell/files/file_dialogs.h"
#include "shell/shared_procedures.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

const QString Title = QStringLiteral("Konverze UNIX <-> DOS");

constexpr int ProgressSteps = 100;

// Moves the main window's progress bar and lets the windows repaint while a
// long file is converted. The user's input waits until the copy is written,
// so no second conversion starts in the middle of this one. The program's end
// arrives among the events too, and stops the conversion rather than wait.
bool ShowProgress(qint64 done, qint64 total) {
    ShowBusyProgress(total > 0 ? int(qMin(done, total) * ProgressSteps / total) : 0, ProgressSteps);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !Program().Ending;
}

} // namespace

Dos_Unix_conv::Dos_Unix_conv(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Dos_Unix_conv"));
    setWindowTitle(Title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Created in reading order, which is also the order Tab walks.
    auto* caption =
        MakeNamed<QLabel>(this, QStringLiteral("Label1"), {.text = QStringLiteral("Soubor : ")});
    m_path = MakeNamed<QLineEdit>(this, QStringLiteral("Text1"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(360);
    m_choose = MakeNamed<QPushButton>(this, QStringLiteral("Command4"),
                                      {.text = QStringLiteral("&Vyber ...")});
    m_toUnix = MakeNamed<QPushButton>(this, QStringLiteral("Command1"),
                                      {.text = QStringLiteral("&DOS --> UNIX")});
    m_toDos = MakeNamed<QPushButton>(this, QStringLiteral("Command2"),
                                     {.text = QStringLiteral("&UNIX --> DOS")});
    m_close = MakeNamed<QPushButton>(this, QStringLiteral("Command3"),
                                     {.text = QStringLiteral("&Zavři")});
    for (QPushButton* button : {m_choose, m_toUnix, m_toDos, m_close})
        button->setAutoDefault(false);
    m_toUnix->setEnabled(false);
    m_toDos->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(m_path, 0, 1);
    layout->addWidget(m_choose, 0, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_toUnix);
    buttons->addWidget(m_toDos);
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout->addLayout(buttons, 1, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleWhole(*this);

    connect(m_choose, &QPushButton::clicked, this, &Dos_Unix_conv::chooseFile);
    connect(m_toUnix, &QPushButton::clicked, this, [this] { convert(LineEndForm::Unix); });
    connect(m_toDos, &QPushButton::clicked, this, [this] { convert(LineEndForm::Dos); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
}

void Dos_Unix_conv::chooseFile() {
    const QString path = ShowOpenDialog(BrowserOpenFilter(), this);
    if (path.isEmpty())
        return;
    m_path->setText(path);
    m_toUnix->setEnabled(true);
    m_toDos->setEnabled(true);
}

void Dos_Unix_conv::convert(LineEndForm form) {
    const QString path = m_path->text();
    if (!mayReplace(ConvertedFilePath(path, form)))
        return;
    // Repainting lets other events through too: a session ending may unload
    // this window before the conversion returns.
    const QPointer<Dos_Unix_conv> self(this);
    FileConversion conversion;
    {
        const BusyScope busy(this, QStringLiteral("Převádím konce řádků souboru ..."));
        conversion = ConvertFileLineEnds(path, form, ShowProgress);
    }
    if (self)
        report(conversion);
}

bool Dos_Unix_conv::mayReplace(const QString& outputPath) {
    // Converting onto the chosen file itself, or onto anything that is not a
    // regular file, is refused by the conversion.
    if (CheckRegularFile(outputPath) != FileReadFailure::None ||
        NamesSameFile(m_path->text(), outputPath))
        return true;
    MessageBoxRequest question;
    question.text = QStringLiteral("Soubor %1 již existuje.\nChcete jej přepsat?").arg(outputPath);
    question.title = Title;
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Question;
    question.defaultButton = 2;
    return Platform().messageBox->show(question, this) == MessageBoxAnswer::Yes;
}

void Dos_Unix_conv::report(const FileConversion& conversion) {
    QString text;
    switch (conversion.outcome) {
    case ConversionOutcome::Written:
    case ConversionOutcome::Stopped:
        return;
    case ConversionOutcome::SameAsInput:
        text = QStringLiteral("Převedený soubor by měl stejné jméno jako vybraný soubor:\n%1\n"
                              "Vybraný soubor zůstává beze změny.")
                   .arg(conversion.outputPath);
        break;
    case ConversionOutcome::CannotRead:
        text = QStringLiteral("Soubor %1 nelze přečíst:\n%2").arg(m_path->text(), conversion.error);
        break;
    case ConversionOutcome::CannotWrite:
        text = QStringLiteral("Soubor %1 nelze zapsat:\n%2")
                   .arg(conversion.outputPath, conversion.error);
        break;
    }
    ShowNotice(this, text, Title, MessageBoxIcon::Exclamation);
}

void Dos_Unix_conv::reject() {
    m_close->click();
}
