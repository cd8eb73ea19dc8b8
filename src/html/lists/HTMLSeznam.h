#pragma once

#include "core/html/html_lists.h"
#include "core/settings/window_setups.h"
#include "html/controls/HtmlDialog.h"
#include "html/controls/OptionValues.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

// The list editor: items collected one by one (or from the selected lines),
// ordered by hand and written as a bulleted list for the window tag "norm"
// and as a numbered one otherwise. The items stay for the next list.
class HTMLSeznam : public HtmlDialog {
    Q_OBJECT
public:
    explicit HTMLSeznam(QWidget* owner = nullptr);

    // Takes the window tag ("norm" or "cis") and shows the frame of its kind.
    void applySetup(const ListEditorSetup& setup);
    // Replaces the collected items.
    void setItems(const QStringList& items);

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildItems();
    [[nodiscard]] QLayout* buildOptions();
    [[nodiscard]] QGroupBox* buildBullets();
    [[nodiscard]] QGroupBox* buildNumbering();
    struct StyleOption {
        QString name;
        QString caption;
        QString type;
    };
    // A frame of one check box and the option buttons of styles, in order.
    [[nodiscard]] QGroupBox* buildStyles(const QString& frameName, const QString& boxName,
                                         const QString& boxCaption, OptionValues<QString>& options,
                                         std::initializer_list<StyleOption> styles);
    void addItem();
    [[nodiscard]] bool isUnordered() const;
    [[nodiscard]] HtmlListValues values() const;

    QListWidget* m_lstPolozky = nullptr;
    QLineEdit* m_txtPolozka = nullptr;
    QCheckBox* m_chkLabel = nullptr;
    QLineEdit* m_txtLabel = nullptr;
    QCheckBox* m_chkCompact = nullptr;
    QGroupBox* m_framS = nullptr;
    QCheckBox* m_chkSBod = nullptr;
    OptionValues<QString> m_bullets;
    QGroupBox* m_framC = nullptr;
    QCheckBox* m_chkCBod = nullptr;
    OptionValues<QString> m_numbering;
};

// The menu's list commands: the window shown in the kind asked for, with its
// items kept, or first refilled from the selected lines.
void OpenHtmlList(ListKind kind);
void OpenHtmlListFromSelection(ListKind kind);
