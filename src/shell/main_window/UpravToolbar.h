#pragma once

#include <QDialog>
#include <QPointer>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class Toolbar;

// The toolbar's customising window: its buttons listed in toolbar order, each
// ticked while it shows; "Nahoru" and "Dolů" move the chosen one, "Výchozí"
// brings back the toolbar as it started. Every change reaches the toolbar at
// once; the toolbar keeps the arrangement, so this window holds nothing of
// its own.
class UpravToolbar : public QDialog {
    Q_OBJECT
public:
    explicit UpravToolbar(QWidget* parent = nullptr);

    // Lists the buttons of toolbar as they are now and works on it from now on.
    void showFor(Toolbar& toolbar);

    [[nodiscard]] QListWidget* List1() const { return m_list; }
    [[nodiscard]] QPushButton* CmndUp() const { return m_up; }
    [[nodiscard]] QPushButton* CmndDown() const { return m_down; }
    [[nodiscard]] QPushButton* CmndReset() const { return m_reset; }
    [[nodiscard]] QPushButton* CmndClose() const { return m_close; }

private:
    void fillList();
    void move(int step);
    void apply();
    void enableMoves();

    QPointer<Toolbar> m_toolbar;
    QListWidget* m_list;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_reset;
    QPushButton* m_close;
    // Set while the list is filled, so filling it changes nothing on the toolbar.
    bool m_filling = false;
};
