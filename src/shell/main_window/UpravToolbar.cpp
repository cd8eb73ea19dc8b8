#include "shell/main_window/UpravToolbar.h"

#include "platform/named_control.h"
#include "shell/main_window/Toolbar.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int ListWidth = 300;
constexpr int ListHeight = 360;
// The size every button picture has in the list, whatever sizes it comes in.
constexpr int IconSize = 16;
} // namespace

UpravToolbar::UpravToolbar(QWidget* parent)
    : QDialog(parent), m_list(MakeNamed<QListWidget>(this, QStringLiteral("List1"))),
      m_up(MakeNamed<QPushButton>(this, QStringLiteral("CmndUp"),
                                  {.text = QStringLiteral("&Nahoru")})),
      m_down(MakeNamed<QPushButton>(this, QStringLiteral("CmndDown"),
                                    {.text = QStringLiteral("&Dolů")})),
      m_reset(MakeNamed<QPushButton>(this, QStringLiteral("CmndReset"),
                                     {.text = QStringLiteral("&Výchozí")})),
      m_close(MakeNamed<QPushButton>(this, QStringLiteral("CmndClose"),
                                     {.text = QStringLiteral("&Zavřít")})) {
    setObjectName(QStringLiteral("UpravToolbar"));
    setWindowTitle(QStringLiteral("Uprav toolbar"));
    m_list->setMinimumSize(ListWidth, ListHeight);
    m_list->setIconSize(QSize(IconSize, IconSize));
    m_list->setToolTip(QStringLiteral("Zaškrtnuté tlačítko se na toolbaru zobrazí"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 5, 1);
    layout->addWidget(m_up, 0, 1);
    layout->addWidget(m_down, 1, 1);
    layout->addWidget(m_reset, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(m_close, 4, 1);
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        if (m_toolbar) {
            m_toolbar->arrange(Toolbar::DefaultArrangement());
            fillList();
        }
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_list, &QListWidget::itemChanged, this, [this] {
        if (!m_filling)
            apply();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, &UpravToolbar::enableMoves);
    enableMoves();
}

void UpravToolbar::showFor(Toolbar& toolbar) {
    m_toolbar = &toolbar;
    fillList();
    ShowOwned(*this);
}

void UpravToolbar::fillList() {
    m_filling = true;
    const int row = m_list->currentRow();
    m_list->clear();
    for (const ToolbarPlace& place : m_toolbar->arrangement()) {
        const QAction* button = m_toolbar->button(place.key);
        auto* item = new QListWidgetItem(button->icon(), button->toolTip(), m_list);
        item->setData(KeyRole, place.key);
        item->setToolTip(place.key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(place.shown ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setCurrentRow(row);
    m_filling = false;
    enableMoves();
}

void UpravToolbar::move(int step) {
    const int row = m_list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_list->count())
        return;
    m_filling = true;
    m_list->insertItem(target, m_list->takeItem(row));
    m_list->setCurrentRow(target);
    m_filling = false;
    apply();
}

void UpravToolbar::apply() {
    if (!m_toolbar)
        return;
    QList<ToolbarPlace> places;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        places.append({item->data(KeyRole).toString(), item->checkState() == Qt::Checked});
    }
    m_toolbar->arrange(places);
}

void UpravToolbar::enableMoves() {
    const int row = m_list->currentRow();
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_list->count());
}
