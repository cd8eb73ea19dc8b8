#include "shell/main_window/DocumentTabs.h"

#include "core/files/path_helpers.h"
#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "platform/plain_text.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/ProgramState.h"
#include "shell/files/file_windows.h"
#include "shell/main_window/MainForm.h"

#include <QTabBar>
#include <QTextDocument>
#include <utility>

namespace {
const QString EmptyDocumentTag = QStringLiteral("_0");
const QChar ModifiedMark = u'*';

DocumentSlot& slot(int number) {
    return Program().Documents.at(number - 1);
}

QString tabCaptionFor(const QString& path) {
    if (path.isEmpty())
        return {};
    const QString name = GetPathPart(path, 2) + QStringLiteral(".") + GetPathPart(path, 3);
    // A tab caption treats "&" as an access key; a file name shows it as it is.
    return QString(name).replace(u'&', QStringLiteral("&&"));
}
} // namespace

DocumentTabs::DocumentTabs(MainForm& form, RichEditSurface& surface, QTabBar& tabs)
    : QObject(&form), m_form(form), m_surface(surface), m_tabs(tabs) {
    for (QTextDocument*& document : m_documents)
        document = RichEditSurface::newDocument(this);
    m_surface.setDocument(m_documents.front());
    for (int i = 0; i < TabCount; ++i)
        m_tabs.addTab(QString());
    m_tabs.setCurrentIndex(0);
    connect(&m_surface, &EditorSurface::textChanged, this, &DocumentTabs::onTextChanged);
    connect(&m_tabs, &QTabBar::currentChanged, this, &DocumentTabs::onTabChanged);
}

bool DocumentTabs::currentEmpty() const {
    return m_surface.document()->isEmpty();
}

int DocumentTabs::currentTab() const {
    return m_current;
}

void DocumentTabs::selectTab(int number) {
    m_tabs.setCurrentIndex(number - 1);
}

bool DocumentTabs::captionModified() const {
    return slot(m_current).Modified;
}

void DocumentTabs::setCaption(const QString& path, bool modified) {
    DocumentSlot& current = slot(m_current);
    current.Path = path;
    current.Modified = modified;
    m_tabs.setTabToolTip(m_current - 1, PlainToolTip(path));
    m_tabs.setTabText(m_current - 1, tabCaptionFor(path));
    Program().CurrentFilePath = path;
    showCaption();
}

void DocumentTabs::showCaption() {
    const DocumentSlot& current = slot(m_current);
    QString caption = QStringLiteral("Tarvel Qor (%1)").arg(current.Path);
    if (current.Modified)
        caption += ModifiedMark;
    m_form.setWindowTitle(PlainWindowTitle(caption));
}

void DocumentTabs::takeRestoredText() {
    DocumentSlot& current = slot(m_current);
    const bool modified = current.Modified;
    m_surface.setText(std::exchange(current.Text, QString()));
    current.Modified = modified;
    showCaption();
}

std::array<QString, DocumentTabs::TabCount> DocumentTabs::texts() const {
    std::array<QString, TabCount> texts;
    for (int number = 1; number <= TabCount; ++number) {
        if (number == m_current)
            texts.at(number - 1) = m_surface.text();
        else if (!slot(number).Text.isEmpty())
            texts.at(number - 1) = slot(number).Text;
        else
            texts.at(number - 1) = RichEditSurface::textOf(*m_documents.at(number - 1));
    }
    return texts;
}

int DocumentTabs::modifiedCount() const {
    int count = 0;
    for (int number = 1; number <= TabCount; ++number)
        count += slot(number).Modified ? 1 : 0;
    return count;
}

// Nothing here may copy the whole text: it runs on every keystroke.
void DocumentTabs::onTextChanged() {
    DocumentSlot& current = slot(m_current);
    if (!current.Modified) {
        current.Modified = true;
        showCaption();
    }
    // The look is the surface's: text coming into an emptied document shows
    // it without a pass over the text.
    m_surface.setTag(currentEmpty() ? EmptyDocumentTag : QString());
}

DocumentTabs::WholeLook DocumentTabs::lookNow() {
    return {Program().Applied, Program().AppliedFontSize};
}

// A look applied while the tab was away reaches its text when it comes back;
// while the look stays, the text keeps its own formatting and highlighting.
void DocumentTabs::catchUpWithTheLook(const WholeLook& had) {
    const WholeLook now = lookNow();
    if (now.font != had.font && !now.font.AppliedFontName.isEmpty())
        ApplyEditorFont(m_surface, Program().Applied, now.font.AppliedTextColor,
                        now.font.AppliedBold, now.font.AppliedItalic, now.font.AppliedFontName);
    if (now.size != had.size && now.size > 0)
        m_surface.setTextFontSize(now.size);
}

void DocumentTabs::onTabChanged(int index) {
    if (index < 0)
        return;
    slot(m_current).Caret = m_surface.selStart();
    m_lookLeft.at(m_current - 1) = lookNow();
    m_current = index + 1;
    enterTab(m_current);
}

void DocumentTabs::enterTab(int number) {
    m_surface.setDocument(m_documents.at(number - 1));
    const bool empty = currentEmpty();
    m_surface.setTag(empty ? EmptyDocumentTag : QString());
    if (!empty)
        catchUpWithTheLook(m_lookLeft.at(number - 1));
    if (!slot(number).Text.isEmpty())
        takeRestoredText();
    m_surface.setSelStart(slot(number).Caret);
    Program().CurrentFilePath = slot(number).Path;
    PresetSaveWindow(Program().CurrentFilePath);
    showCaption();
    m_form.Text1()->setFocus();
}
