#include "core/shell/browser_rules.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

QString BrowserCaption(const QString& pageName) {
    return QStringLiteral("HTML testovací browser (") + pageName + u')';
}

QString BrowserOpenFilter() {
    return QStringLiteral("Všechno (*.*)|*.*|Jpeg Pressed Graphics (*.jpg)|*.jpg|"
                          "Jpeg (*.jpeg)|*.jpeg|Graphic Interchange Format (*.gif)|*.gif|"
                          "Portable Network Graphics (*.png)|*.png|BitMaP (*.bmp)|*.bmp");
}

QString BrowserFileAddress(const QString& path) {
    if (path.isEmpty())
        return QString();
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(path)).toString();
}

bool IsHtmlPageName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"html" || suffix == u"htm" || suffix == u"xhtml" || suffix == u"shtml";
}

QString BrowserProgressText(qint64 progress, qint64 progressMax, const QLocale& locale) {
    if (progressMax == 0)
        return QString();
    const double percent = std::clamp(double(progress) / double(progressMax) * 100.0, 0.0, 100.0);
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(percent, 'g', 15) + u'%';
}

QString BrowserDateText(const QDate& date) {
    return QLocale::c().toString(date, u"d.M.yyyy");
}

QString BrowserTimeText(const QTime& time) {
    return QLocale::c().toString(time, u"H:mm:ss");
}

QStringList HistoryAfterVisit(QStringList history, const QString& address) {
    history.removeOne(address);
    history.prepend(address);
    return history;
}
