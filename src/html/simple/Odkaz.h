#pragma once

#include "html/controls/HtmlDialog.h"

class QComboBox;

// Wraps the selection in a link to an anchor of the same page. Its list
// remembers every anchor name written here or by the anchor window for as
// long as this window lives.
class Odkaz : public HtmlDialog {
    Q_OBJECT
public:
    explicit Odkaz(QWidget* owner = nullptr);

    // Appends name to the list (duplicates too); the typed text stays.
    void addAnchor(const QString& name);

protected:
    void confirm() override;

private:
    QComboBox* m_combo1;
};
