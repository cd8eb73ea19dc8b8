#include "shell/document_files.h"

#include "core/ansi_code_page.h"
#include "core/editor_surface.h"
#include "core/file_io.h"
#include "core/path_helpers.h"
#include "core/recent_files.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "shell/DocumentTabs.h"
#include "shell/MainForm.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <QFileInfo>
#include <QTabBar>

namespace {

void tellAboutFile(const QString& text) {
    MessageBoxRequest notice;
    notice.text = text;
    notice.title = QStringLiteral("Soubor");
    (void)Platform().messageBox->show(notice, MainForm::instance());
}

QString tabCaptionFor(const QString& path) {
    // A tab caption treats "&" as an access key; a file name shows it as it is.
    const QString name = GetPathPart(path, 2) + QStringLiteral(".") + GetPathPart(path, 3);
    return QString(name).replace(u'&', QStringLiteral("&&"));
}

} // namespace

void OpenDocument(const QString& path) {
    if (!FileExists(path)) {
        tellAboutFile(QStringLiteral("Soubor %1 nenalezen!").arg(path));
        return;
    }
    if (QFileInfo(path).size() > LargestDocumentSize) {
        tellAboutFile(QStringLiteral("Nelze otevřít %1, Soubor příliš velký").arg(path));
        return;
    }
    QString text;
    try {
        text = DecodeAnsi(ReadWholeFile(path));
    } catch (const ProgramError& error) {
        ReportError(error);
        return;
    }
    MainForm& form = *MainForm::instance();
    DocumentTabs& tabs = form.documents();
    Program().CurrentFilePath = path;
    MainSurface().setText(text);
    tabs.setCaption(path, false);
    AddRecentFile(path);
    const int index = tabs.currentTab() - 1;
    form.FileTab()->setTabToolTip(index, path);
    form.FileTab()->setTabText(index, tabCaptionFor(path));
    Program().Documents.at(index).Modified = false;
}

void AddRecentFile(const QString& path) {
    (void)AddRecentEntry(Program().Settings.RecentFiles, path);
}
