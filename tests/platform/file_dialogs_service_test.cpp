#include "platform/file_dialogs_service.h"
#include "platform/testing/modal_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFilter = u"Všechno (*.*)|*.*|htm dokument (*.htm)|*.htm"_s;

class QtFileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        for (const QString& name : {u"README"_s, u"INDEX.HTM"_s, u"poznámky.txt"_s}) {
            QFile file(path(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(folder()).mkdir(u"podsložka"_s));
    }
    [[nodiscard]] QString folder() const { return m_dir.path(); }
    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// Types a name into the dialog's name box and presses its OK button; a dialog
// that refuses closes with Cancel, so a test fails instead of hanging. Tells
// whether the dialog refused.
bool TypeAndAccept(QFileDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(name);
    static_cast<QDialog*>(dialog)->accept();
    const bool refused = dialog->isVisible();
    if (refused)
        dialog->reject();
    return refused;
}

// The file names the dialog lists, once its folder has been read (in a thread).
[[nodiscard]] QStringList ListedFiles(QFileDialog* dialog, int atLeast) {
    auto* view = dialog->findChild<QListView*>(u"listView"_s);
    QStringList names;
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names.append(view->model()->index(row, 0, root).data().toString());
    } while (names.size() < atLeast && clock.elapsed() < 5000);
    names.sort();
    return names;
}

TEST_F(QtFileDialogs, OpenShowsFiltersAndStartsInFolder) {
    QWidget owner;
    QStringList filters;
    QString selectedFilter, directory;
    QWidget* parent = nullptr;
    WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        directory = dialog->directory().absolutePath();
        parent = dialog->parentWidget();
        dialog->reject();
    });
    EXPECT_EQ(QtFileDialogService().openFile({kFilter, folder()}, &owner), QString());
    EXPECT_EQ(filters,
              QStringList({u"Všechno (*.*) (*)"_s, u"htm dokument (*.htm) (*.htm *.HTM)"_s}));
    // What the user sees: the description without the Qt patterns.
    EXPECT_EQ(selectedFilter, u"Všechno (*.*)"_s);
    EXPECT_EQ(directory, folder());
    EXPECT_EQ(parent, &owner);
}

// Open takes only an existing file: Qt warns about a missing one and stays open.
TEST_F(QtFileDialogs, EveryFileFilterListsNameWithoutDotAndOpenTakesOnlyExistingFiles) {
    QStringList all, htm;
    bool warned = false;
    bool refused = false;
    WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        all = ListedFiles(dialog, 4);
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        htm = ListedFiles(dialog, 1);
        dialog->selectNameFilter(dialog->nameFilters().value(0));
        WhenModalShown<QMessageBox>([&](QMessageBox* box) {
            warned = true;
            box->accept();
        });
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(u"chybí.txt"_s);
        static_cast<QDialog*>(dialog)->accept();
        refused = dialog->isVisible();
        TypeAndAccept(dialog, u"README"_s);
    });
    EXPECT_EQ(QtFileDialogService().openFile({kFilter, folder()}, nullptr), path(u"README"_s));
    EXPECT_EQ(all, QStringList({u"INDEX.HTM"_s, u"README"_s, u"podsložka"_s, u"poznámky.txt"_s}));
    EXPECT_EQ(htm, QStringList({u"INDEX.HTM"_s, u"podsložka"_s}));
    EXPECT_TRUE(warned);
    EXPECT_TRUE(refused);
}

TEST_F(QtFileDialogs, SaveKeepsNameWithoutExtension) {
    WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        TypeAndAccept(dialog, u"nový"_s);
    });
    EXPECT_EQ(QtFileDialogService().saveFile({kFilter, folder()}, nullptr), path(u"nový"_s));
}

// Qt's own question comes before the path is returned; No keeps the dialog open.
TEST_F(QtFileDialogs, SaveAsksBeforeOverwriting) {
    for (const bool overwrite : {true, false}) {
        SCOPED_TRACE(overwrite);
        bool asked = false;
        bool stillOpen = false;
        WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
            WhenModalShown<QMessageBox>([&](QMessageBox* box) {
                asked = true;
                box->button(overwrite ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            stillOpen = TypeAndAccept(dialog, u"README"_s);
        });
        const QString answer = QtFileDialogService().saveFile({kFilter, folder()}, nullptr);
        EXPECT_TRUE(asked);
        EXPECT_EQ(stillOpen, !overwrite);
        EXPECT_EQ(answer, overwrite ? path(u"README"_s) : QString());
    }
}

TEST_F(QtFileDialogs, ChooseFolderReturnsTheFolderOrNothingOnCancel) {
    QString title;
    bool foldersOnly = false;
    WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        foldersOnly = dialog->fileMode() == QFileDialog::Directory;
        dialog->setDirectory(folder());
        TypeAndAccept(dialog, u"podsložka"_s);
    });
    EXPECT_EQ(QtFileDialogService().chooseFolder(u"Vyberte"_s, nullptr), path(u"podsložka"_s));
    EXPECT_EQ(title, u"Vyberte"_s);
    EXPECT_TRUE(foldersOnly);

    WhenModalShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(QtFileDialogService().chooseFolder(u"Vyberte"_s, nullptr), QString());
}

} // namespace
