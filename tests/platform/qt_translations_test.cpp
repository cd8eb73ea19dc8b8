#include "platform/qt_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(QtTranslations, StandardButtonsSpeakCzechWhileInstalledAndEnglishAfter) {
    struct Case {
        QDialogButtonBox::StandardButton button;
        QString english;
        QString czech;
    };
    const Case cases[] = {
        {QDialogButtonBox::Save, u"Save"_s, u"Uložit"_s},
        {QDialogButtonBox::Cancel, u"Cancel"_s, u"Zrušit"_s},
        {QDialogButtonBox::Yes, u"&Yes"_s, u"&Ano"_s},
        {QDialogButtonBox::No, u"&No"_s, u"&Ne"_s},
    };
    QTranslator* translator = InstallCzechQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Czech catalogue is not installed";
    for (const Case& c : cases) {
        QDialogButtonBox box(c.button);
        EXPECT_EQ(box.button(c.button)->text(), c.czech) << c.english.toStdString();
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
    // Other tests read the program's texts without Qt's catalogue.
    for (const Case& c : cases) {
        QDialogButtonBox box(c.button);
        EXPECT_EQ(box.button(c.button)->text(), c.english);
    }
}

} // namespace
