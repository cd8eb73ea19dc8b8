#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QString>

// The range of a scroll bar that holds a number shown in a value label.
struct BarRange {
    int minimum = 1;
    int maximum = 1;
    int value = 1;
    int pageStep = 10;
};

// A named scroll bar of the HTML dialogs. Vertical bars serve as small
// up-down spinners beside their labels; horizontal ones get room to slide.
[[nodiscard]] QScrollBar* MakeValueBar(QWidget* parent, const QString& name,
                                       Qt::Orientation orientation, BarRange range);

// The least room a value track leaves its thumb between the two arrows:
// enough that a value of a few hundred is one drag, not hundreds of clicks.
inline constexpr int ValueTrackLength = 200;

// A named value bar laid across, for a number of up to a few hundred (a
// margin, a border, a spacing). Its value grows to the right, the way its
// label is read: the right arrow and a drag to the right raise it. The track
// between the arrows is at least ValueTrackLength long in any style.
[[nodiscard]] QScrollBar* MakeValueTrack(QWidget* parent, const QString& name, BarRange range);

// A value track with its label after it, and lead (a caption or the check
// box that enables the track), when given, before it. The label holds the
// width of the widest value the track reaches, so the track keeps its length
// as the number grows; the track takes whatever room the row has left.
[[nodiscard]] QHBoxLayout* TrackRow(QScrollBar* track, QLabel* valueLabel, QWidget* lead = nullptr);

// One row of a grid: a caption, then the track with its value label.
void AddTrackRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* track,
                 QLabel* valueLabel);

// One row of a grid from column on: a caption, the bar and its value label.
void AddBarRow(QGridLayout* layout, int row, const QString& caption, QScrollBar* bar,
               QLabel* valueLabel, int column = 0);
