#include "core/html/file_picker_address.h"

#include "core/files/path_helpers.h"

QString PickerPathText(const QString& fullPath, bool relative, const QString& documentPath,
                       const QString& appFolder) {
    // MakeRelativePath would turn an empty target into a row of "../" steps.
    if (fullPath.isEmpty() || !relative)
        return fullPath;
    return MakeRelativePath(documentPath, fullPath, appFolder);
}

QString PickerAddress(const QString& pathText, bool relative) {
    // Nothing chosen: still the bare file address in the absolute form.
    if (pathText.isEmpty())
        return relative ? QString() : QStringLiteral("file:///");
    // A relative form that stayed absolute would point at a web server's root
    // once the page is published; the file address names the local file.
    if (relative && !pathText.startsWith(u'/'))
        return pathText;
    return PathToFileUrl(pathText);
}

void FilePickerState::choose(const QString& fullPath, const QString& documentPath,
                             const QString& appFolder) {
    if (fullPath.isEmpty())
        return;
    m_fullPath = fullPath;
    m_pathText = PickerPathText(m_fullPath, m_relative, documentPath, appFolder);
}

void FilePickerState::setRelative(bool relative, const QString& documentPath,
                                  const QString& appFolder) {
    m_relative = relative;
    m_pathText = PickerPathText(m_fullPath, m_relative, documentPath, appFolder);
}
