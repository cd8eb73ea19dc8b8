#include "core/shell/about_texts.h"

QString AboutVersionLine(const QString& version) {
    return QStringLiteral("Tarvel Qor - (Malý) textový editor v") + version;
}

QString AboutCreditLine() {
    return QStringLiteral("Napsali autoři programu Tarvel Qor, 2001 - 2004");
}

QString AboutEmail() {
    return QStringLiteral("autori@tarvel-qor.example");
}

QString AboutHomePage() {
    return QStringLiteral("http://autori.tarvel-qor.example/");
}

QString AboutProjectPage() {
    return QStringLiteral("http://www.tarvel-qor.example/projekt/");
}

QString SystemAboutTitle(const QString& version) {
    return QStringLiteral("O aplikaci ") + QString::fromUtf16(AboutName) + QStringLiteral(" v") +
           version;
}

QString SystemAboutText(const QString& version) {
    return QString::fromUtf16(AboutName) + QStringLiteral(" v") + version +
           QStringLiteral("\r\nCopyright © 2001 - 2004 autoři programu Tarvel Qor");
}

QString FreewareNoticeText(const QString& userName, const QString& userEmail) {
    const QString gap = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Tarvel Qor je freeware: smíte jej zdarma používat a kopírovat.") + gap +
           u'"' + userName + QStringLiteral("\" <") + userEmail + u'>' + gap +
           QStringLiteral("Nápovědu najdete v souboru tarvel.html a další informace "
                          "v souboru readme.txt, které jsou přiloženy k programu.");
}

std::array<InvertedBand, 4> LogoSweep::step(int width, int height) {
    const int k = ++m_column;
    const InvertedBand fromLeft{k, 0, 1, height};
    const InvertedBand fromRight{width - k, 0, 1, height};
    if (width < k)
        m_column = -1;
    const int m = ++m_row;
    const InvertedBand fromTop{0, m, width, 1};
    const InvertedBand fromBottom{0, height - m, width, 1};
    if (height < m)
        m_row = -1;
    return {fromLeft, fromRight, fromTop, fromBottom};
}
