#include "shell/main_window/DocumentTabs.h"

#include "core/text/editor_procedures.h"
#include "core/text/editor_surface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"

#include <QTabBar>

namespace {
const QString EmptyDocumentTag = QStringLiteral("_0");
const QChar ModifiedMark = u'*';

DocumentSlot& slot(int number) {
    return Program().Documents.at(number - 1);
}
} // namespace

DocumentTabs::DocumentTabs(MainForm& form, EditorSurface& surface, QTabBar& tabs)
    : QObject(&form), m_form(form), m_surface(surface), m_tabs(tabs) {
    for (int i = 0; i < TabCount; ++i)
        m_tabs.addTab(QString());
    m_tabs.setCurrentIndex(0);
    connect(&m_surface, &EditorSurface::textChanged, this, &DocumentTabs::onTextChanged);
    connect(&m_tabs, &QTabBar::currentChanged, this, &DocumentTabs::onTabChanged);
}

int DocumentTabs::currentTab() const {
    return m_current;
}

void DocumentTabs::selectTab(int number) {
    m_tabs.setCurrentIndex(number - 1);
}

bool DocumentTabs::captionModified() const {
    return m_form.windowTitle().endsWith(ModifiedMark);
}

void DocumentTabs::setCaption(const QString& path, bool modified) {
    QString caption = QStringLiteral("Tarvel Qor (%1)").arg(path);
    if (modified)
        caption += ModifiedMark;
    m_form.setWindowTitle(caption);
}

void DocumentTabs::storeCurrentSlot() {
    slot(m_current).Text = m_surface.text();
}

int DocumentTabs::modifiedCount() const {
    int count = 0;
    for (int number = 1; number <= TabCount; ++number)
        count += slot(number).Modified ? 1 : 0;
    if (!slot(m_current).Modified && captionModified())
        ++count;
    return count;
}

// The current slot's text is not copied on every keystroke: it is stored when
// the tab is left and whenever all documents are written out.
void DocumentTabs::onTextChanged() {
    if (!captionModified())
        m_form.setWindowTitle(m_form.windowTitle() + ModifiedMark);
    if (m_surface.tag() == EmptyDocumentTag) {
        m_surface.setTag(QString());
        const AppliedFont& look = Program().Applied;
        ApplyEditorFont(m_surface, Program().Applied, look.AppliedTextColor, look.AppliedBold,
                        look.AppliedItalic, look.AppliedFontName);
    }
    if (m_surface.textLength() == 0)
        m_surface.setTag(EmptyDocumentTag);
}

void DocumentTabs::onTabChanged(int index) {
    if (index < 0)
        return;
    leaveTab(m_current);
    m_current = index + 1;
    enterTab(m_current);
}

void DocumentTabs::leaveTab(int number) {
    slot(number).Text = m_surface.text();
    slot(number).Caret = m_surface.selStart();
    if (captionModified())
        slot(number).Modified = true;
}

void DocumentTabs::enterTab(int number) {
    m_surface.setText(slot(number).Text);
    Program().CurrentFilePath = m_tabs.tabToolTip(number - 1);
    m_surface.setSelStart(slot(number).Caret);
    setCaption(Program().CurrentFilePath, slot(number).Modified);
    m_form.Text1()->setFocus();
}
