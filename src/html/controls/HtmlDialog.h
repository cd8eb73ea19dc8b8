#pragma once

#include "core/colour/colour_value.h"
#include "core/html/html_simple_tags.h"
#include "core/html/unit_value_label.h"

#include <QDialog>
#include <QList>
#include <functional>

class QCheckBox;
class FilePickerGroup;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The common life of the HTML tool windows: one program-wide instance shown
// modeless above the main window; "Ok" (Command1, default button) builds the
// text and writes it, then hides; "Storno" (Command2) and Esc hide; closing
// from the title bar unloads the window, so the next opening shows the
// initial values again.
class HtmlDialog : public QDialog {
    Q_OBJECT
public:
    explicit HtmlDialog(QWidget* owner = nullptr);

    // Shows the window modeless (or brings it forward when it is visible).
    void showModeless();
    // Shows it modal for an opener that wants its result; a window already
    // open modeless is hidden first, so it can take the modal turn.
    void showForResult();
    // Where a window opened for a result sends it: the opener's own control.
    using ResultReceiver = std::function<void(const QString&)>;

    // Opens it for a result in the mode named by tag, with the controls that
    // make no sense in that mode disabled; a confirm in that mode hands its
    // text to receiver. Afterwards, however the window was left, the tag is
    // empty again, the controls are enabled and the receiver is forgotten.
    void openForResult(const QString& tag, const QList<QWidget*>& disabledControls = {},
                       ResultReceiver receiver = nullptr);
    // The usual receiver: the result becomes the whole text of the opener's
    // box (a box discarded meanwhile is left alone).
    [[nodiscard]] static ResultReceiver intoBox(QLineEdit* box);

protected:
    // Builds the text from the controls and writes it where it belongs.
    virtual void confirm() = 0;
    // Makes Command1 ("&Ok" unless given) and Command2 ("&Storno").
    [[nodiscard]] QPushButton* makeOkButton(const QString& caption = QStringLiteral("&Ok"));
    [[nodiscard]] QPushButton* makeStornoButton();
    // The usual row: Command1 and Command2 at the right.
    [[nodiscard]] QHBoxLayout* makeButtonRow(const QString& okCaption = QStringLiteral("&Ok"));
    // The usual row for a window whose own buttons already hold the names
    // Command1 and Command2: its Ok and Storno are Command3 and Command4.
    [[nodiscard]] QHBoxLayout* makeButtonRowAfterOwnButtons();
    // The given buttons at the right of a row.
    [[nodiscard]] static QHBoxLayout* buttonRow(const QList<QWidget*>& buttons);
    // The usual row, its Command1 disabled until picker has a file: there is
    // nothing to point at before.
    [[nodiscard]] QHBoxLayout* makeButtonRowAwaitingFile(FilePickerGroup& picker);
    // For the window whose Enter must not confirm: neither of its buttons
    // becomes the default, not even when it has the focus.
    void withoutDefaultButton();
    // Hands a confirmed result to the opener waiting for it; without one
    // (the window was not opened for a result) nothing happens.
    void deliverToOpener(const QString& text) const;
    // Writes an insertion into the main window's editor in its mode.
    static void writeToEditor(const HtmlInsertion& insertion);
    // Writes text over the main window's editor selection.
    static void writeOverSelection(const QString& text);
    // The controls of an attribute are enabled only while its box is ticked.
    static void enableWith(QCheckBox* box, const QList<QWidget*>& controls);
    // The label shows the scroll bar's value, followed by suffix().
    static void showValueIn(QScrollBar* bar, QLabel* label,
                            std::function<QString()> suffix = nullptr);
    // The label shows the bar's value, followed by "%" while percentBox is
    // ticked; toggling the box sets the bar's maximum for the new unit (a
    // larger value drops to it) and rewrites the label at once.
    static void showValueInUnit(QScrollBar* bar, QLabel* label, QCheckBox* percentBox,
                                UnitMaxima maxima = {});
    // What toggling the box does, for a dialog that switches the unit itself.
    static void applyUnit(QScrollBar* bar, QLabel* label, bool inPercent, UnitMaxima maxima);
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_okButton = nullptr;
    ResultReceiver m_receiver;
};
