#pragma once

#include <QObject>
#include <QString>

class EditorSurface;
class MainForm;
class QTabBar;

// Five documents share the one editing surface: this keeps each tab's slot,
// swaps the surface's text when the tab changes, tracks changes with the "*"
// of the caption, and marks an emptied document with the tag "_0".
class DocumentTabs : public QObject {
    Q_OBJECT
public:
    static constexpr int TabCount = 5;
    static constexpr int AutosaveLimit = 1442402; // smallest size not restored

    DocumentTabs(MainForm& form, EditorSurface& surface, QTabBar& tabs);

    // Tab numbers are 1 to 5.
    [[nodiscard]] int currentTab() const;
    void selectTab(int number);

    // "Tarvel Qor (path)" with "*" while the current document is modified.
    [[nodiscard]] bool captionModified() const;
    void setCaption(const QString& path, bool modified);

    // Brings the current tab's slot in line with the surface.
    void storeCurrentSlot();
    // Documents with unsaved changes, the current one counted by its caption.
    [[nodiscard]] int modifiedCount() const;

private:
    void onTextChanged();
    void onTabChanged(int index);
    void leaveTab(int number);
    void enterTab(int number);

    MainForm& m_form;
    EditorSurface& m_surface;
    QTabBar& m_tabs;
    int m_current = 1;
};
