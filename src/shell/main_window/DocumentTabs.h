#pragma once

#include "core/text/editor_procedures.h"

#include <QObject>
#include <QString>
#include <array>

class MainForm;
class QTabBar;
class QTextDocument;
class RichEditSurface;

// The five documents, one per tab. Each tab has a text document of its own,
// which the one editing surface shows while the tab is current, so a tab
// keeps its text, formatting and undo history while it is away; its path,
// modified mark and caret are kept in its slot of Program().Documents. The
// caption, the tab's caption and tooltip and CurrentFilePath follow from the
// current document's slot. An emptied document is marked with the tag "_0".
class DocumentTabs : public QObject {
    Q_OBJECT
public:
    static constexpr int TabCount = 5;

    DocumentTabs(MainForm& form, RichEditSurface& surface, QTabBar& tabs);

    // Tab numbers are 1 to 5.
    [[nodiscard]] int currentTab() const;
    void selectTab(int number);

    // Whether the current document has unsaved changes: the caption's "*".
    [[nodiscard]] bool captionModified() const;
    // The current document's path and modified mark. The caption becomes
    // "Tarvel Qor (path)", with "*" while modified; the tab shows the file
    // name, its tooltip the path, and CurrentFilePath the path.
    void setCaption(const QString& path, bool modified);

    // The current tab's document takes the text restored into its slot; it
    // stays as modified as it was.
    void takeRestoredText();
    // Each tab's text as it would be saved, tab 1 first.
    [[nodiscard]] std::array<QString, TabCount> texts() const;
    // Documents with unsaved changes.
    [[nodiscard]] int modifiedCount() const;

private:
    void onTextChanged();
    void onTabChanged(int index);
    void enterTab(int number);
    void showCaption();
    // Whether the current document holds no text. Unlike textLength(), it
    // counts no line breaks, which a document with mixed breaks would walk.
    [[nodiscard]] bool currentEmpty() const;

    // The look given to a whole text: ApplyEditorFont's and the font size.
    struct WholeLook {
        AppliedFont font;
        int size = 0;
    };
    [[nodiscard]] static WholeLook lookNow();
    void catchUpWithTheLook(const WholeLook& had);

    MainForm& m_form;
    RichEditSurface& m_surface;
    QTabBar& m_tabs;
    std::array<QTextDocument*, TabCount> m_documents{};
    int m_current = 1;
    // The look each tab's text had when the tab was left.
    std::array<WholeLook, TabCount> m_lookLeft{};
};
