#pragma once

#include "html/controls/OptionValues.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QLayout;
class QLineEdit;
class QWidget;
struct TableAlignValues;

// ALIGN (with its CHAR character) and VALIGN of a table cell or row; both
// table dialogs carry the same controls under the same names.
class TableAlignControls : public QObject {
    Q_OBJECT
public:
    explicit TableAlignControls(QWidget* parent);

    // The two groups side by side; made once by the dialog that shows them.
    [[nodiscard]] QLayout* makeLayout() const;
    [[nodiscard]] TableAlignValues values() const;

private:
    // The character box counts only for CHAR, so it follows both the box
    // and the option buttons.
    void enableCharacter();

    QCheckBox* m_check1;
    OptionValues<QString> m_align;
    QLineEdit* m_text1;
    QCheckBox* m_check2;
    OptionValues<QString> m_valign;
};
