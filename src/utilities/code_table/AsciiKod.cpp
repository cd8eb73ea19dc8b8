#include "utilities/code_table/AsciiKod.h"

#include "core/text/editor_procedures.h"
#include "core/utilities/code_table.h"
#include "core/utilities/typed_keys.h"
#include "platform/font_fallback.h"
#include "platform/named_control.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/window_title.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "utilities/code_table/code_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int TableSize = 16 * 22;
constexpr int PreviewSize = 64;

QFont FontNamed(const QString& name, int points) {
    QFont font;
    font.setFamilies(FontFamiliesFor(name));
    font.setPointSize(points);
    return font;
}

void UseFontName(QWidget* widget, const QString& name) {
    QFont font = widget->font();
    font.setFamilies(FontFamiliesFor(name));
    widget->setFont(font);
}

} // namespace

AsciiKod::AsciiKod(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("AsciiKod"));
    setWindowTitle(QStringLiteral("vložení ASCII kódu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    KeepTitleWhole(*this);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
}

void AsciiKod::buildControls() {
    // Created in reading order, which is also the order Tab walks.
    m_table = Named(new CodeGrid(this), QStringLiteral("Picture1"));
    m_table->setFixedSize(TableSize, TableSize);
    m_table->setFont(FontNamed(QStringLiteral("Terminal"), 9));
    m_fonts = MakeNamed<QComboBox>(this, QStringLiteral("Combo1"));
    m_fonts->addItems({QStringLiteral("MS Sans Serif"), QStringLiteral("Courier New"),
                       QStringLiteral("Terminal")});
    m_fonts->setCurrentIndex(2);
    m_scroll = MakeNamed<QScrollBar>(this, QStringLiteral("HScroll1"));
    m_scroll->setOrientation(Qt::Horizontal);
    m_scroll->setRange(0, 255);
    m_scroll->setPageStep(10);
    auto* codeCaption =
        MakeNamed<QLabel>(this, QStringLiteral("Label3"), {.text = QStringLiteral("Ćíslo")});
    m_chosenCode = MakeNamed<QLabel>(this, QStringLiteral("Label1"));
    auto* characterCaption =
        MakeNamed<QLabel>(this, QStringLiteral("Label4"), {.text = QStringLiteral("Znak")});
    m_chosenCharacter = MakeNamed<QLabel>(this, QStringLiteral("Label2"));
    m_decimal = MakeNamed<QLabel>(this, QStringLiteral("Label6"));
    m_hexadecimal = MakeNamed<QLabel>(this, QStringLiteral("Label7"));
    m_html = MakeNamed<QLabel>(this, QStringLiteral("Label8"));
    m_binary = MakeNamed<QLabel>(this, QStringLiteral("LblBin"));
    m_preview = Named(new CharacterPreview(this), QStringLiteral("Picture2"));
    m_preview->setFixedSize(PreviewSize, PreviewSize);
    m_preview->setFont(FontNamed(QStringLiteral("MS Sans Serif"), 24));
    m_direct = MakeNamed<QRadioButton>(this, QStringLiteral("Option1"),
                                       {.text = QStringLiteral("Přímo vkládát")});
    m_direct->setChecked(true);
    m_htmlDirect = MakeNamed<QRadioButton>(this, QStringLiteral("Option2"),
                                           {.text = QStringLiteral("Přímo v HTML")});
    m_collect = MakeNamed<QRadioButton>(this, QStringLiteral("Option3"),
                                        {.text = QStringLiteral("Nepřímo")});
    auto* collectedCaption = MakeNamed<QLabel>(this, QStringLiteral("Label5"),
                                               {.text = QStringLiteral("Znaky na vložení :")});
    m_collected = MakeNamed<QLineEdit>(this, QStringLiteral("Text1"));
    UseFontName(m_collected, QStringLiteral("Courier New"));
    m_add = MakeNamed<QPushButton>(this, QStringLiteral("Command3"),
                                   {.text = QStringLiteral("Přidej >")});
    m_send = MakeNamed<QPushButton>(this, QStringLiteral("Command4"),
                                    {.text = QStringLiteral("Odešli")});
    m_close =
        MakeNamed<QPushButton>(this, QStringLiteral("Command2"), {.text = QStringLiteral("Zavři")});
    for (QPushButton* button : {m_add, m_send, m_close})
        button->setAutoDefault(false);

    auto* readOuts = new QGridLayout;
    readOuts->addWidget(m_fonts, 0, 0, 1, 2);
    readOuts->addWidget(m_scroll, 1, 0, 1, 2);
    readOuts->addWidget(codeCaption, 2, 0);
    readOuts->addWidget(m_chosenCode, 2, 1);
    readOuts->addWidget(characterCaption, 3, 0);
    readOuts->addWidget(m_chosenCharacter, 3, 1);
    readOuts->addWidget(m_decimal, 4, 0, 1, 2);
    readOuts->addWidget(m_hexadecimal, 5, 0, 1, 2);
    readOuts->addWidget(m_html, 6, 0, 1, 2);
    readOuts->addWidget(m_binary, 7, 0, 1, 2);
    readOuts->addWidget(m_preview, 8, 0, 1, 2);
    readOuts->setRowStretch(9, 1);
    readOuts->setColumnMinimumWidth(1, 90);
    auto* top = new QHBoxLayout;
    top->addWidget(m_table);
    top->addLayout(readOuts);
    auto* options = new QHBoxLayout;
    for (QRadioButton* option : {m_direct, m_htmlDirect, m_collect})
        options->addWidget(option);
    options->addStretch();
    auto* collecting = new QHBoxLayout;
    collecting->addWidget(collectedCaption);
    collecting->addWidget(m_collected, 1);
    collecting->addWidget(m_add);
    collecting->addWidget(m_send);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(options);
    layout->addLayout(collecting);
    layout->addLayout(closing);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_fonts, &QComboBox::currentTextChanged, this, &AsciiKod::chooseFont);
    connect(m_table, &CodeGrid::mouseMovedTo, this, [this](QPointF cells) {
        if (const std::optional<int> code = CodeAtCell(cells.x(), cells.y()))
            ShowCodeInfo(*code);
    });
    connect(m_table, &CodeGrid::mouseReleasedAt, this, [this](QPointF cells) {
        if (const std::optional<int> code = CodeAtCell(cells.x(), cells.y()))
            insertCode(*code);
    });
    connect(m_scroll, &QScrollBar::valueChanged, this, &AsciiKod::scrolled);
    connect(m_add, &QPushButton::clicked, this, [this] { collect(m_chosenCharacter->text()); });
    connect(m_send, &QPushButton::clicked, this, &AsciiKod::send);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
}

void AsciiKod::chooseFont() {
    const QString name = m_fonts->currentText();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_table, m_chosenCharacter, m_collected, m_preview})
        UseFontName(widget, name);
    m_table->update();
}

void AsciiKod::ShowCodeInfo(int code) {
    const CodeForms forms = FormsOfCode(code);
    m_decimal->setText(forms.decimal);
    m_hexadecimal->setText(forms.hexadecimal);
    m_html->setText(forms.html);
    m_binary->setText(forms.binary);
    m_preview->setCharacter(CharacterOfCode(code));
}

void AsciiKod::scrolled(int value) {
    m_chosenCode->setText(SignedNumberText(value));
    m_chosenCharacter->setText(CharacterOfCode(value));
    ShowCodeInfo(value);
}

void AsciiKod::insertCode(int code) {
    // Code 0 has no character to give.
    if (code == 0)
        return;
    if (m_direct->isChecked())
        InsertAtCaret(MainSurface(), CharacterOfCode(code));
    else if (m_htmlDirect->isChecked())
        InsertAtCaret(MainSurface(), HtmlCharacterReference(code));
    else
        collect(CharacterOfCode(code));
}

void AsciiKod::collect(const QString& text) {
    // In front of a selection, never over it: the caret goes to the
    // selection's start, whichever way it was made.
    if (m_collected->hasSelectedText())
        m_collected->setCursorPosition(m_collected->selectionStart());
    m_collected->insert(text);
}

void AsciiKod::send() {
    // A NUL typed or pasted into the box would only corrupt the document.
    const QString text = m_collected->text().remove(QChar(0));
    if (!text.isEmpty())
        InsertAtCaret(MainSurface(), text);
    m_collected->clear();
}

bool AsciiKod::event(QEvent* event) {
    // Drawn anew each time the window becomes the active one.
    if (event->type() == QEvent::WindowActivate)
        m_table->update();
    return QDialog::event(event);
}

bool AsciiKod::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_direct->isChecked()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<QString> text = TypedKeyText(key->key(), key->modifiers(), key->text());
        MainForm* form = MainForm::instance();
        if (text && form) {
            // Typed into the editor as the user's own keystroke, which
            // replaces a selection and makes CR LF of Enter.
            QKeyEvent typed(QEvent::KeyPress, key->key(), Qt::NoModifier, *text);
            QApplication::sendEvent(form->Text1(), &typed);
        }
    }
    // Not consumed: the control receives the key as well.
    return QDialog::eventFilter(watched, event);
}

void AsciiKod::reject() {
    m_close->click();
}
