#pragma once

#include "core/html/file_picker_address.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The group of controls with which an HTML dialog points at a file on the
// local disk: FileChoose asks for the file, PathText shows it, RelativePathChk
// switches between the path relative to the current document and the full
// path, Browzde previews the file. The group keeps its state for the life of
// the dialog that carries it. Disabling the group greys all four controls;
// enabling it again gives each back its own state.
class FilePickerGroup : public QWidget {
    Q_OBJECT
public:
    // filter: the "|"-separated pairs offered by the open dialog.
    explicit FilePickerGroup(const QString& filter, QWidget* parent = nullptr);

    // The filters the dialogs pass.
    [[nodiscard]] static QString generalFilter();
    [[nodiscard]] static QString pictureFilter();
    [[nodiscard]] static QString styleSheetFilter();

    // The attribute value the dialog writes for the shown path.
    [[nodiscard]] QString address() const { return m_state.address(); }
    // The chosen file as the open dialog returned it; "" before a choice.
    [[nodiscard]] const QString& fullPath() const { return m_state.fullPath(); }
    [[nodiscard]] const QString& pathText() const { return m_state.pathText(); }
    [[nodiscard]] bool hasFile() const { return m_state.hasFile(); }
    [[nodiscard]] bool isRelative() const { return m_state.isRelative(); }

    // What a click on FileChoose does: asks for a file, owned by this
    // group's window; a cancelled dialog changes nothing.
    void chooseFile();
    // Offers Browzde before any choice, for a window whose own rule says so;
    // the group itself enables it only once a file is chosen.
    void enableBrowzde();

Q_SIGNALS:
    // A file was chosen and the group shows it; dialogs enable their
    // confirming button and run their own follow-up here.
    void fileChosen(const QString& fullPath);

private:
    void setRelative(bool relative);
    void showPath();

    FilePickerState m_state;
    QString m_filter;
    QPushButton* m_fileChoose = nullptr;
    QPlainTextEdit* m_pathText = nullptr;
    QCheckBox* m_relativePathChk = nullptr;
    QPushButton* m_browzde = nullptr;
};
