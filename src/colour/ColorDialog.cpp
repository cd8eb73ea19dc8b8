#include "colour/ColorDialog.h"

#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "platform/colour_palette.h"
#include "platform/default_button.h"
#include "platform/named_control.h"
#include "platform/tab_order.h"
#include "platform/window_registry.h"
#include "shell/shared_procedures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int ChannelBarWidth = 8;
constexpr int ChannelBarHeight = 256;
constexpr int InitialSlider = 192;
constexpr int InitialPairItem = 1;
// Wide enough that the three channel values, up to "255" each, stay apart.
constexpr int ChannelSpacing = 28;
// The tool buttons, then the readouts and the lists to the right of them.
constexpr int ToolsLeft = 96;
constexpr int ReadoutsLeft = 184;
constexpr int ColumnWidth = 81;

// The gradient box's Tag while a mouse button is held on it.
const QString ButtonHeld = QStringLiteral("_");

void setBackColor(QWidget* widget, ColorValue color) {
    PaintRole(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

ColorValue backColor(const QWidget* widget) {
    return ToColorValue(widget->palette().color(QPalette::Window));
}

QFont readoutFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QImage filledImage(int width, int height, ColorValue color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(color));
    return image;
}

bool isLeftClick(const QWidget* widget, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

struct ToolButton {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* toolTip;
};

// In ColourTool order, which is also top-to-bottom order.
constexpr ToolButton ToolButtons[] = {
    {u"Command3", u"&Invetrovat", u""}, {u"Command4", u"&Do šedi", u""},
    {u"Command5", u"&Nádodná", u""},    {u"Command6", u"Gama -", u"Gamma - 0.1"},
    {u"Command7", u"Gama +", u""},      {u"Command8", u"&Chanel shift", u""},
    {u"Command9", u"&Down", u""},       {u"Command11", u"&Mid", u""},
    {u"Command10", u"&Up", u""},
};

} // namespace

ColorDialog::ColorDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ColorDialog"));
    setWindowTitle(QStringLiteral("Výběr barvy"));
    buildChannels();
    buildTools();
    buildReadouts();
    buildGradient();
    buildPalette();
    buildButtons();
    setFixedSize(ReadoutsLeft + m_readoutsWidth + 8, 353);
}

void ColorDialog::buildChannels() {
    struct Channel {
        const char16_t *heading, *headingName, *headingTip, *bar, *picture, *value;
        ColorValue headingColor;
    };
    const Channel channels[3] = {
        {u"R", u"Label5", u"Červená", u"VScroll10", u"Picture1", u"Label1", RgbColor(255, 0, 0)},
        {u"G", u"Label6", u"Zelená", u"VScroll11", u"Picture2", u"Label2", RgbColor(0, 192, 0)},
        {u"B", u"Label7", u"Modrá", u"VScroll12", u"Picture4", u"Label3", RgbColor(0, 0, 255)},
    };
    for (int i = 0; i < 3; ++i) {
        const Channel& c = channels[i];
        const int left = 8 + ChannelSpacing * i;
        QLabel* heading = MakeNamed<QLabel>(this, QString::fromUtf16(c.headingName),
                                            {.text = QString::fromUtf16(c.heading),
                                             .toolTip = QString::fromUtf16(c.headingTip),
                                             .place = {left, 8, 25, 17}});
        PaintRole(heading, QPalette::WindowText, c.headingColor);

        QScrollBar* bar = MakeNamed<QScrollBar>(this, QString::fromUtf16(c.bar),
                                                {.place = {left + 8, 24, 17, 257}});
        bar->setOrientation(Qt::Vertical);
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setValue(0);
        m_bars[i] = bar;

        QLabel* picture = MakeNamed<QLabel>(this, QString::fromUtf16(c.picture),
                                            {.place = {left + 1, 25, 7, 255}});
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(
            QPixmap::fromImage(filledImage(ChannelBarWidth, ChannelBarHeight, 0xFFFFFF)));
        m_channelPictures[i] = picture;

        m_valueLabels[i] = MakeNamed<QLabel>(this, QString::fromUtf16(c.value),
                                             {.text = QStringLiteral("0"),
                                              .toolTip = QString::fromUtf16(c.heading),
                                              .place = {left + 2, 280, ChannelSpacing, 17}});
        m_valueLabels[i]->setAlignment(Qt::AlignCenter);
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { channelChanged(i); });
    }
}

void ColorDialog::buildTools() {
    for (int i = 0; i < static_cast<int>(m_toolButtons.size()); ++i) {
        const ToolButton& b = ToolButtons[i];
        QPushButton* button =
            MakeNamed<QPushButton>(this, QString::fromUtf16(b.name),
                                   {.text = QString::fromUtf16(b.caption),
                                    .toolTip = QString::fromUtf16(b.toolTip),
                                    .place = {ToolsLeft, 8 + 16 * i, ColumnWidth, 17}});
        const auto tool = static_cast<ColourTool>(i);
        connect(button, &QPushButton::clicked, this, [this, tool] { applyTool(tool); });
        m_toolButtons[i] = button;
    }
}

void ColorDialog::buildReadouts() {
    // The history comes first: the column it stands in is as wide as it needs.
    m_listView1 = MakeNamed<QTreeWidget>(this, QStringLiteral("ListView1"));
    m_listView1->setHeaderLabels({QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")});
    m_listView1->setRootIsDecorated(false);
    m_listView1->header()->setMinimumSectionSize(8);
    const int column = widestHistoryColumn();
    for (int each = 0; each < 3; ++each)
        m_listView1->setColumnWidth(each, column);
    // Room for a scroll bar, so that a long history cuts no value either.
    const int listWidth = 3 * column + 2 * m_listView1->frameWidth() +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_listView1);
    m_readoutsWidth = std::max(ColumnWidth, listWidth);
    m_listView1->setGeometry(ReadoutsLeft, 64, m_readoutsWidth, 89);
    connect(m_listView1, &QTreeWidget::itemClicked, this,
            [this](const QTreeWidgetItem* item) { takeHistoryRow(item); });

    m_label11 = MakeNamed<QLabel>(this, QStringLiteral("Label11"),
                                  {.text = ColorToHex(0),
                                   .toolTip = QStringLiteral("Hexa zobrazení"),
                                   .place = {ReadoutsLeft, 8, m_readoutsWidth, 17}});
    m_label11->setFont(readoutFont());
    m_picture3 = MakeNamed<QLabel>(this, QStringLiteral("Picture3"),
                                   {.toolTip = QStringLiteral("Vybraná barva"),
                                    .place = {ReadoutsLeft, 24, m_readoutsWidth, 33}});
    setBackColor(m_picture3, 0);
    // Lies over the right part of the chosen-colour box, so it comes after it.
    m_picture13 = MakeNamed<QLabel>(this, QStringLiteral("Picture13"),
                                    {.toolTip = QStringLiteral("Předchozí barva"),
                                     .place = {ReadoutsLeft + m_readoutsWidth - 25, 32, 17, 17}});
    setBackColor(m_picture13, m_previousColor);
}

int ColorDialog::widestHistoryColumn() const {
    // Measured on a row of the widest values, at the list's own font and style.
    auto* widest = new QTreeWidgetItem(
        m_listView1, {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255")});
    const QAbstractItemView& view = *m_listView1;
    int needed = 0;
    for (int column = 0; column < 3; ++column)
        needed = std::max({needed, view.sizeHintForColumn(column),
                           m_listView1->header()->sectionSizeHint(column)});
    delete widest;
    return needed;
}

void ColorDialog::buildGradient() {
    m_gradient = filledImage(GradientSize, GradientSize, 0);
    m_picture5 = MakeNamed<QLabel>(this, QStringLiteral("Picture5"),
                                   {.place = {ToolsLeft + 8, 160, GradientSize, GradientSize}});
    m_picture5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture5->setPixmap(QPixmap::fromImage(m_gradient));
    m_picture5->setMouseTracking(true);
    m_picture5->installEventFilter(this);
    SetWindowTag(m_picture5, QString());

    m_vscroll1 = MakeNamed<QSlider>(this, QStringLiteral("Vscroll1"),
                                    {.toolTip = QStringLiteral("Světlost přechodu"),
                                     .place = {ToolsLeft + 8 + GradientSize + 8, 160, 17, 129}});
    m_vscroll1->setOrientation(Qt::Vertical);
    // The darkest setting at the top, as with the channel scroll bars.
    m_vscroll1->setInvertedAppearance(true);
    m_vscroll1->setRange(GradientSliderMin, GradientSliderMax);
    m_vscroll1->setSingleStep(1);
    m_vscroll1->setPageStep(16);
    m_vscroll1->setTickInterval(16);
    m_vscroll1->setTickPosition(QSlider::TicksBothSides);
    m_vscroll1->setValue(GradientSliderMin);

    m_label9 = MakeNamed<QLabel>(this, QStringLiteral("Label9"),
                                 {.text = ColorToHex(0),
                                  .toolTip = QStringLiteral("Hexa barva přechodu"),
                                  .place = {ToolsLeft, 296, 57, 20}});
    m_label9->setFont(readoutFont());
    m_picture6 = MakeNamed<QLabel>(this, QStringLiteral("Picture6"),
                                   {.toolTip = QStringLiteral("Náhled na vybranou barvu"),
                                    .place = {ToolsLeft + 56, 296, 25, 20}});
    setBackColor(m_picture6, 0);

    m_combo1 = MakeNamed<QComboBox>(this, QStringLiteral("Combo1"),
                                    {.toolTip = QStringLiteral("Přecházet z ... do ... \\/"),
                                     .place = {ReadoutsLeft, 296, m_readoutsWidth, 22}});
    m_combo1->setEditable(false);
    m_combo1->setFont(readoutFont());
    m_combo1->addItems(GradientPairItems());

    // Loading: the slider first, then the pair, whose choice draws the gradient once.
    m_vscroll1->setValue(InitialSlider);
    connect(m_vscroll1, &QSlider::valueChanged, this, &ColorDialog::redrawGradient);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &ColorDialog::redrawGradient);
    m_combo1->setCurrentIndex(InitialPairItem);
}

void ColorDialog::buildPalette() {
    m_command13 = MakeNamed<QToolButton>(
        this, QStringLiteral("Command13"),
        {.toolTip = QStringLiteral("Posun výběru nahoru"), .place = {8, 312, 33, 17}});
    m_command13->setArrowType(Qt::UpArrow);
    const QString paletteTip = QStringLiteral("16ti barevné schéma");
    m_label4 = MakeNamed<QLabel>(this, QStringLiteral("Label4"),
                                 {.toolTip = paletteTip, .place = {40, 312, 41, 17}});
    m_label8 = MakeNamed<QLabel>(this, QStringLiteral("Label8"),
                                 {.toolTip = paletteTip, .place = {8, 328, 41, 17}});
    m_command12 = MakeNamed<QToolButton>(
        this, QStringLiteral("Command12"),
        {.toolTip = QStringLiteral("Posun výběru dolu"), .place = {48, 328, 33, 17}});
    m_command12->setArrowType(Qt::DownArrow);
    for (QLabel* label : {m_label4, m_label8}) {
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
    }
    SetWindowTag(m_label4, QStringLiteral("0"));
    showPaletteLabels(0);
    connect(m_command12, &QToolButton::clicked, this, [this] { stepPalette(PaletteStepDown); });
    connect(m_command13, &QToolButton::clicked, this, [this] { stepPalette(PaletteStepUp); });
}

void ColorDialog::buildButtons() {
    m_command1 = MakeNamed<QPushButton>(this, QStringLiteral("Command1"),
                                        {.toolTip = QStringLiteral("Barva vybraná ..."),
                                         .place = {ToolsLeft, 328, ColumnWidth, 17}});
    m_command1->setText(QStringLiteral("&Ok"));
    m_command1->setDefault(true);
    m_command2 = MakeNamed<QPushButton>(this, QStringLiteral("Command2"),
                                        {.toolTip = QStringLiteral("Bez výběru ..."),
                                         .place = {ReadoutsLeft, 328, m_readoutsWidth, 17}});
    m_command2->setText(QStringLiteral("&Storno"));
    connect(m_command1, &QPushButton::clicked, this, &ColorDialog::confirm);
    connect(m_command2, &QPushButton::clicked, this, &ColorDialog::reject);
}

void ColorDialog::setPreviousColor(ColorValue color) {
    m_previousColor = color;
    setBackColor(m_picture13, color);
}

void ColorDialog::setChannels(RgbChannels channels) {
    // QScrollBar signals only real changes, so an equal value updates nothing.
    m_bars[0]->setValue(channels.red);
    m_bars[1]->setValue(channels.green);
    m_bars[2]->setValue(channels.blue);
}

RgbChannels ColorDialog::channels() const {
    return {m_bars[0]->value(), m_bars[1]->value(), m_bars[2]->value()};
}

QPushButton* ColorDialog::toolButton(ColourTool tool) const {
    return m_toolButtons.at(static_cast<std::size_t>(tool));
}

void ColorDialog::channelChanged(int index) {
    UpdateColorPreview();
    m_valueLabels[index]->setText(QString::number(m_bars[index]->value()));
}

void ColorDialog::UpdateColorPreview() {
    const RgbChannels chosen = channels();
    setBackColor(m_picture3, ColorOf(chosen));
    constexpr ColourChannel barChannels[3] = {ColourChannel::Red, ColourChannel::Green,
                                              ColourChannel::Blue};
    for (int i = 0; i < 3; ++i) {
        // Row y shows the colour this channel would give at value y.
        QImage bar(ChannelBarWidth, ChannelBarHeight, QImage::Format_RGB32);
        for (int y = 0; y < ChannelBarHeight; ++y) {
            const QRgb row = ToQColor(ColorOf(WithChannel(chosen, barChannels[i], y))).rgb();
            for (int x = 0; x < ChannelBarWidth; ++x)
                bar.setPixel(x, y, row);
        }
        m_channelPictures[i]->setPixmap(QPixmap::fromImage(bar));
    }
    m_label11->setText(ColorToHex(ColorOf(chosen)));
}

void ColorDialog::applyTool(ColourTool tool) {
    setChannels(ApplyColourTool(tool, channels()));
}

void ColorDialog::stepPalette(int (*step)(int)) {
    const int n = step(WindowTag(m_label4).toInt());
    SetWindowTag(m_label4, QString::number(n));
    showPaletteLabels(n);
}

void ColorDialog::showPaletteLabels(int n) {
    const auto [upper, lower] = PaletteLabels(n);
    for (const auto& [label, look] : {std::pair{m_label4, upper}, std::pair{m_label8, lower}}) {
        label->setText(look.caption);
        setBackColor(label, look.back);
        PaintRole(label, QPalette::WindowText, look.text);
    }
}

void ColorDialog::takeHistoryRow(const QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    setChannels({item->text(0).toInt(), item->text(1).toInt(), item->text(2).toInt()});
}

void ColorDialog::redrawGradient() {
    BusyScope busy(this, QStringLiteral("Pžekreslování barevného přechodu"));
    const int slider = m_vscroll1->value();
    const GradientPair pair = GradientPairFromItem(m_combo1->currentText());
    for (int column = 0; column < GradientSize; ++column) {
        for (int row = 0; row < GradientSize; ++row) {
            const ColorValue color = ColorOf(GradientColor(slider, pair, column, row));
            m_gradient.setPixel(column, row, ToQColor(color).rgb());
        }
    }
    m_picture5->setPixmap(QPixmap::fromImage(m_gradient));
}

void ColorDialog::readGradient(QPointF position) {
    // A drag that leaves the box keeps reading its nearest edge pixel rather
    // than a colour from outside the gradient.
    const int x = GradientPixelIndex(position.x());
    const int y = GradientPixelIndex(position.y());
    const QString text = ColorToHex(ToColorValue(m_gradient.pixelColor(x, y)));
    m_label9->setText(text);
    m_picture5->setToolTip(GradientReadoutTip(x, y, text));
    setBackColor(m_picture6, HexToColor(text));
    if (WindowTag(m_picture5) == ButtonHeld)
        setChannels(ChannelsOf(HexToColor(m_label9->text())));
}

bool ColorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture5) {
        // The gradient box also gets paint, resize and other events: only a
        // mouse event may be read as one.
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
            type == QEvent::MouseButtonRelease) {
            if (type == QEvent::MouseButtonPress)
                SetWindowTag(m_picture5, ButtonHeld);
            readGradient(static_cast<const QMouseEvent*>(event)->position());
            if (type == QEvent::MouseButtonRelease)
                SetWindowTag(m_picture5, QString());
            return true;
        }
    } else if ((watched == m_label4 || watched == m_label8) &&
               isLeftClick(static_cast<QWidget*>(watched), event)) {
        setChannels(ChannelsOf(backColor(static_cast<QWidget*>(watched))));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ColorDialog::confirm() {
    const RgbChannels chosen = channels();
    auto* row = new QTreeWidgetItem(m_listView1);
    row->setText(0, QString::number(chosen.red));
    row->setText(1, QString::number(chosen.green));
    row->setText(2, QString::number(chosen.blue));
    PickedColor() = ColorOf(chosen);
    accept();
}

void ColorDialog::reject() {
    PickedColor() = m_previousColor;
    QDialog::reject();
}

void ColorDialog::showEvent(QShowEvent* event) {
    SetReadingTabOrder(*this);
    QDialog::showEvent(event);
    FocusDefaultButtonOnShow(*this, *m_command1);
}

void ColorDialog::closeEvent(QCloseEvent* event) {
    // QDialog turns the close box into reject(), which sets the result.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        m_discarded = true;
}
