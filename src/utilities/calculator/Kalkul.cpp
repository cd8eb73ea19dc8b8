#include "utilities/calculator/Kalkul.h"

#include "core/text/editor_procedures.h"
#include "core/text/program_error.h"
#include "core/text/random_generator.h"
#include "platform/message_box.h"
#include "platform/named_control.h"
#include "platform/platform.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"
#include "utilities/calculator/Prev.h"
#include "utilities/calculator/keypad_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int KeyWidth = 44;

bool StandAlone() {
    return Program().StartMode == QStringLiteral("C");
}

void HideConverter() {
    if (Prev* converter = LoadedWindowIfAny<Prev>())
        converter->hide();
}

bool UserConfirmsQuit(QWidget* owner) {
    MessageBoxRequest question;
    question.text = QStringLiteral("OPRAVDU UKONČIT Kalkulačku (Tarvel Qor) ?");
    question.title = QStringLiteral("Konec");
    question.buttons = MessageBoxButtons::YesNo;
    question.icon = MessageBoxIcon::Stop;
    question.defaultButton = 2;
    return Platform().messageBox->show(question, owner) == MessageBoxAnswer::Yes;
}

void TellDivisionByZero(QWidget* owner) {
    MessageBoxRequest notice;
    notice.text = QStringLiteral("Není možno dělit nulou");
    notice.title = QStringLiteral("Dělení");
    (void)Platform().messageBox->show(notice, owner);
}

} // namespace

// Alone the calculator is the program's window, with a taskbar entry: a
// dialog without an owner would be tied to the whole program instead.
Kalkul::Kalkul(QWidget* owner) : QDialog(owner, owner ? Qt::Dialog : Qt::Window) {
    SetUpKeypadWindow(*this, QStringLiteral("Kalkul"), QStringLiteral("Tarvel Qor - Kalkulátor"));
    m_display = MakeKeypadBox(this, QStringLiteral("Cislo"), QStringLiteral("0"));
    buildKeys();
    showState();
}

QPushButton* Kalkul::key(const QString& name, const QString& caption) {
    auto* button = MakeNamed<QPushButton>(this, name, {.text = caption});
    // Enter presses the key that has the focus, as a click does.
    button->setAutoDefault(true);
    return button;
}

QPushButton* Kalkul::keyDoing(const QString& name, const QString& caption,
                              std::function<void(Calculator&)> work) {
    QPushButton* button = key(name, caption);
    connect(button, &QPushButton::clicked, this, [this, work = std::move(work)] { press(work); });
    return button;
}

void Kalkul::buildKeys() {
    for (int digit = 0; digit < 10; ++digit) {
        // The elements of the array share its name and differ by Index.
        m_digits.at(digit) = keyDoing(QStringLiteral("cmnNumber"), QStringLiteral("&%1").arg(digit),
                                      [digit](Calculator& c) { c.typeDigit(digit); });
        m_digits.at(digit)->setProperty("Index", digit);
    }
    QPushButton* comma = keyDoing(QStringLiteral("Command11"), QStringLiteral("&,"),
                                  [](Calculator& c) { c.typeComma(); });
    const auto operatorKey = [this](const QString& name, const QString& caption,
                                    CalculatorOperator op) {
        return keyDoing(name, caption, [op](Calculator& c) { c.setPendingOperator(op); });
    };
    m_operatorKeys = {
        operatorKey(QStringLiteral("Command12"), QStringLiteral("&+"), CalculatorOperator::Add),
        operatorKey(QStringLiteral("Command13"), QStringLiteral("&-"),
                    CalculatorOperator::Subtract),
        operatorKey(QStringLiteral("Command14"), QStringLiteral("&*"),
                    CalculatorOperator::Multiply),
        operatorKey(QStringLiteral("Command15"), QStringLiteral("&/"), CalculatorOperator::Divide),
        operatorKey(QStringLiteral("Command32"), QStringLiteral("&log"),
                    CalculatorOperator::Logarithm),
        operatorKey(QStringLiteral("Command33"), QStringLiteral("&x^y"), CalculatorOperator::Power),
    };
    m_equals = key(QStringLiteral("Command16"), QStringLiteral("&="));
    connect(m_equals, &QPushButton::clicked, this, &Kalkul::evaluate);

    const auto functionKey = [this](const QString& name, const QString& caption,
                                    CalculatorFunction function) {
        return keyDoing(name, caption, [function](Calculator& c) { c.apply(function); });
    };
    const auto plainKey = [this](const QString& name, const QString& caption,
                                 void (Calculator::*work)()) {
        return keyDoing(name, caption, [work](Calculator& c) { (c.*work)(); });
    };
    QPushButton* dropLast =
        plainKey(QStringLiteral("Command21"), QStringLiteral("&<<"), &Calculator::dropLast);
    QPushButton* dropFirst =
        plainKey(QStringLiteral("Command22"), QStringLiteral("&>>"), &Calculator::dropFirst);
    QPushButton* functions[] = {
        functionKey(QStringLiteral("Command17"), QStringLiteral("&Odmocnina"),
                    CalculatorFunction::SquareRoot),
        functionKey(QStringLiteral("Command18"), QStringLiteral("&Mocnina"),
                    CalculatorFunction::Square),
        plainKey(QStringLiteral("Command23"), QStringLiteral("&CE"), &Calculator::clearEntry),
        functionKey(QStringLiteral("Command24"), QStringLiteral("&Sinus"),
                    CalculatorFunction::Sine),
        functionKey(QStringLiteral("Command25"), QStringLiteral("&Cosinus"),
                    CalculatorFunction::Cosine),
        functionKey(QStringLiteral("Command28"), QStringLiteral("&Abs"), CalculatorFunction::Abs),
        functionKey(QStringLiteral("Command26"), QStringLiteral("&Tangens"),
                    CalculatorFunction::Tangent),
        functionKey(QStringLiteral("Command29"), QStringLiteral("Cotan&gens"),
                    CalculatorFunction::Cotangent),
        functionKey(QStringLiteral("Command31"), QStringLiteral("&Int"), CalculatorFunction::Int),
        plainKey(QStringLiteral("Command27"), QStringLiteral("&PI"), &Calculator::showPi),
        plainKey(QStringLiteral("Command34"), QStringLiteral("&e"), &Calculator::showE),
        keyDoing(QStringLiteral("Command30"), QStringLiteral("&rnd"),
                 [](Calculator& c) { c.showRandom(SingleRandom(Rnd().draw())); }),
    };

    m_deliver = key(QStringLiteral("Command19"), QStringLiteral("&Vlož"));
    connect(m_deliver, &QPushButton::clicked, this, &Kalkul::deliver);
    m_close = key(QStringLiteral("Command20"), QStringLiteral("&Zavři"));
    connect(m_close, &QPushButton::clicked, this, &Kalkul::closeKey);
    m_converter = MakeNamed<QPushButton>(
        this, QStringLiteral("Command35"),
        {.text = QStringLiteral("prev"), .toolTip = QStringLiteral("Převod mezi hex a dec")});
    connect(m_converter, &QPushButton::clicked, this, &Kalkul::openConverter);

    // The number pad with its operators, the function keys beside it.
    QPushButton* pad[4][5] = {
        {cmnNumber(7), cmnNumber(8), cmnNumber(9), m_operatorKeys[0], m_operatorKeys[4]},
        {cmnNumber(4), cmnNumber(5), cmnNumber(6), m_operatorKeys[1], m_operatorKeys[5]},
        {cmnNumber(1), cmnNumber(2), cmnNumber(3), m_operatorKeys[2], dropLast},
        {cmnNumber(0), comma, m_equals, m_operatorKeys[3], dropFirst},
    };
    auto* keys = new QGridLayout;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            pad[row][column]->setFixedWidth(KeyWidth);
            keys->addWidget(pad[row][column], row, column);
        }
        for (int column = 0; column < 3; ++column)
            keys->addWidget(functions[row * 3 + column], row, 6 + column);
    }
    keys->setColumnMinimumWidth(5, 8);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_deliver);
    bottom->addWidget(m_close);
    bottom->addStretch();
    bottom->addWidget(m_converter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_display);
    layout->addLayout(keys);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab reads the keys row by row, as they stand.
    QWidget* before = m_display;
    for (int row = 0; row < 4; ++row) {
        for (QWidget* next :
             {static_cast<QWidget*>(pad[row][0]), static_cast<QWidget*>(pad[row][1]),
              static_cast<QWidget*>(pad[row][2]), static_cast<QWidget*>(pad[row][3]),
              static_cast<QWidget*>(pad[row][4]), static_cast<QWidget*>(functions[row * 3]),
              static_cast<QWidget*>(functions[row * 3 + 1]),
              static_cast<QWidget*>(functions[row * 3 + 2])}) {
            setTabOrder(before, next);
            before = next;
        }
    }
    SetTabOrder({before, m_deliver, m_close, m_converter});
}

// A key's access character, as "&" marks it in its caption.
static QChar AccessCharacter(const QString& caption) {
    for (qsizetype i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size();
         i = caption.indexOf(u'&', i + 2)) {
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
    }
    return {};
}

// The display takes no typing, so the keys are the window's only input: a
// key's access character typed alone presses it, as in a dialog of buttons.
void Kalkul::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && event->text().size() == 1) {
        const QChar typed = event->text().front().toLower();
        for (QPushButton* button :
             findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (button->isVisible() && button->isEnabled() &&
                AccessCharacter(button->text()) == typed) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void Kalkul::relabelForStandAlone() {
    m_deliver->setText(QStringLiteral("&Clip"));
    m_close->setText(QStringLiteral("&Quit"));
}

void Kalkul::press(const std::function<void(Calculator&)>& work) {
    try {
        work(m_calculator);
    } catch (const ProgramError& error) {
        showState();
        ReportError(error);
        return;
    }
    showState();
}

void Kalkul::evaluate() {
    press([this](Calculator& c) {
        if (c.evaluate() == Calculator::Outcome::DivisionByZero)
            TellDivisionByZero(this);
    });
}

void Kalkul::showState() {
    m_display->setText(m_calculator.display());
    const bool pending = m_calculator.pendingOperator().has_value();
    for (QPushButton* button : m_operatorKeys)
        button->setEnabled(!pending);
    m_equals->setEnabled(pending);
}

void Kalkul::deliver() {
    if (StandAlone())
        Platform().clipboard->setText(m_calculator.display());
    else
        InsertAtCaret(MainSurface(), m_calculator.display());
}

void Kalkul::closeKey() {
    HideConverter();
    hide();
    if (StandAlone())
        close();
}

void Kalkul::reject() {
    m_close->click();
}

void Kalkul::closeEvent(QCloseEvent* event) {
    HideConverter();
    if (!StandAlone()) {
        event->accept();
        Platform().windows->discard(this);
        return;
    }
    if (UserConfirmsQuit(this)) {
        event->accept();
        EndCalculatorAlone();
        return;
    }
    event->ignore();
    ShowOwned(*this);
}

void Kalkul::openConverter() {
    // Alone the calculator owns the converter: no main window is shown.
    QWidget* owner = StandAlone() ? static_cast<QWidget*>(this) : MainForm::instance();
    ShowOwned(Platform().windows->single<Prev>([owner] { return new Prev(owner); }));
}

void ShowCalculatorAlone() {
    Kalkul& calculator = LoadedWindowAlone<Kalkul>();
    calculator.relabelForStandAlone();
    ShowOwned(calculator);
}

void EndCalculatorAlone() {
    EndTheProgram();
}
