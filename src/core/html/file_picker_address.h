#pragma once

#include <QString>

// The file picker group of the HTML dialogs: the chosen file's full path is
// the one source of truth; the shown path and the address written into the
// HTML are derived from it.

// The path the group shows for the chosen file: relative to the current
// document's folder (to the program folder for an unsaved document) or the
// full path unchanged. Before any file is chosen it shows nothing.
[[nodiscard]] QString PickerPathText(const QString& fullPath, bool relative,
                                     const QString& documentPath, const QString& appFolder);

// The address the HTML attribute receives for the shown path: the relative
// path as it stands, or a "file://" address for a full path. A file sharing
// no folder with the document shows its full path even in the relative form,
// and gets the "file://" address then too. An empty path gives "" in the
// relative form and the bare "file:///" in the absolute one.
[[nodiscard]] QString PickerAddress(const QString& pathText, bool relative);

// The group's state, kept for the life of the dialog that carries it.
class FilePickerState {
public:
    // A file chosen in the open dialog; an empty choice (cancelled) changes
    // nothing. The relative form is measured from the document now open.
    void choose(const QString& fullPath, const QString& documentPath, const QString& appFolder);

    // Switching the form rewrites the shown path from the chosen file.
    void setRelative(bool relative, const QString& documentPath, const QString& appFolder);

    [[nodiscard]] const QString& fullPath() const { return m_fullPath; }
    [[nodiscard]] const QString& pathText() const { return m_pathText; }
    [[nodiscard]] bool isRelative() const { return m_relative; }
    [[nodiscard]] bool hasFile() const { return !m_fullPath.isEmpty(); }
    [[nodiscard]] QString address() const { return PickerAddress(m_pathText, m_relative); }

private:
    QString m_fullPath;
    QString m_pathText;
    bool m_relative = true;
};
