#pragma once

#include "core/colour/colour_tools.h"
#include "core/colour/colour_value.h"

#include <QDialog>
#include <QImage>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The modal RGB colour picker. The chosen colour lives only in the three
// channel scroll bars; around them stand the one-click tools, a stepper
// through a 16-colour palette, a two-channel gradient to pick from with the
// mouse and the history of confirmed colours. OK leaves the chosen colour in
// PickedColor(), cancel and the close box the previous colour. OK and cancel
// hide the window, so history, palette index and gradient settings carry
// over to the next pick; after the close box it is discarded.
class ColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColorDialog(QWidget* parent = nullptr);

    // The colour the pick started from: shown in Picture13 and given back by
    // cancel and the close box, exactly as passed (also a value that is no
    // plain colour).
    void setPreviousColor(ColorValue color);
    [[nodiscard]] ColorValue previousColor() const { return m_previousColor; }

    // Writes red, green and blue in that order; each write that changes a
    // channel updates the preview.
    void setChannels(RgbChannels channels);
    [[nodiscard]] RgbChannels channels() const;

    // True once the close box has ended a showing: the window is to be
    // thrown away, and PickColor deletes it as soon as it has its result.
    [[nodiscard]] bool discarded() const { return m_discarded; }

    [[nodiscard]] QScrollBar* VScroll10() const { return m_bars[0]; }
    [[nodiscard]] QScrollBar* VScroll11() const { return m_bars[1]; }
    [[nodiscard]] QScrollBar* VScroll12() const { return m_bars[2]; }
    [[nodiscard]] QLabel* Picture1() const { return m_channelPictures[0]; }
    [[nodiscard]] QLabel* Picture2() const { return m_channelPictures[1]; }
    [[nodiscard]] QLabel* Picture4() const { return m_channelPictures[2]; }
    [[nodiscard]] QLabel* Label1() const { return m_valueLabels[0]; }
    [[nodiscard]] QLabel* Label2() const { return m_valueLabels[1]; }
    [[nodiscard]] QLabel* Label3() const { return m_valueLabels[2]; }
    // The button of a tool: Command3 to Command11.
    [[nodiscard]] QPushButton* toolButton(ColourTool tool) const;
    [[nodiscard]] QLabel* Label11() const { return m_label11; }
    [[nodiscard]] QLabel* Picture3() const { return m_picture3; }
    [[nodiscard]] QLabel* Picture13() const { return m_picture13; }
    [[nodiscard]] QTreeWidget* ListView1() const { return m_listView1; }
    [[nodiscard]] QLabel* Picture5() const { return m_picture5; }
    [[nodiscard]] QSlider* Vscroll1() const { return m_vscroll1; }
    [[nodiscard]] QLabel* Label9() const { return m_label9; }
    [[nodiscard]] QLabel* Picture6() const { return m_picture6; }
    [[nodiscard]] QComboBox* Combo1() const { return m_combo1; }
    [[nodiscard]] QToolButton* Command13() const { return m_command13; }
    [[nodiscard]] QLabel* Label4() const { return m_label4; }
    [[nodiscard]] QLabel* Label8() const { return m_label8; }
    [[nodiscard]] QToolButton* Command12() const { return m_command12; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command2() const { return m_command2; }

public Q_SLOTS:
    // Cancel (also Esc): PickedColor() := the previous colour; hides.
    void reject() override;

protected:
    // The close box gives the cancel result and discards the window.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildChannels();
    void buildTools();
    void buildReadouts();
    // The width of a history column that shows "255" and its heading whole.
    [[nodiscard]] int widestHistoryColumn() const;
    void buildGradient();
    void buildPalette();
    void buildButtons();

    void channelChanged(int index);
    void UpdateColorPreview();
    void applyTool(ColourTool tool);
    void stepPalette(int (*step)(int));
    void showPaletteLabels(int n);
    void takeHistoryRow(const QTreeWidgetItem* item);
    void redrawGradient();
    void readGradient(QPointF position);
    void confirm();

    std::array<QScrollBar*, 3> m_bars = {};
    std::array<QLabel*, 3> m_channelPictures = {};
    std::array<QLabel*, 3> m_valueLabels = {};
    std::array<QPushButton*, 9> m_toolButtons = {};
    QLabel* m_label11 = nullptr;
    QLabel* m_picture3 = nullptr;
    QLabel* m_picture13 = nullptr;
    QTreeWidget* m_listView1 = nullptr;
    QLabel* m_picture5 = nullptr;
    QSlider* m_vscroll1 = nullptr;
    QLabel* m_label9 = nullptr;
    QLabel* m_picture6 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QToolButton* m_command13 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label8 = nullptr;
    QToolButton* m_command12 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;

    // What the gradient box shows; the pointer read-out reads its pixels.
    QImage m_gradient;
    // The right-hand column: the readouts, the history, the pair list and Storno.
    int m_readoutsWidth = 0;
    ColorValue m_previousColor = 0xFFFFFF;
    bool m_discarded = false;
};
