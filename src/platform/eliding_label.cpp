#include "platform/eliding_label.h"

#include <QPainter>
#include <QStyle>

namespace {

// The most characters a hint measures: a label wider than this many
// characters is wider than any screen.
constexpr int HintLength = 1000;

// The first length characters, each line break as one blank, so the text
// draws as one line.
QString OneLineHead(const QString& text, int length) {
    QString head = text.left(length);
    head.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : head) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return head;
}

} // namespace

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QString ElidingLabel::shownText() const {
    const int room = contentsRect().width();
    // A character takes a pixel or more (all but a few zero-width marks), so
    // none past the first room + 1 can show: a text of megabytes costs no
    // more than a short one.
    return fontMetrics().elidedText(OneLineHead(text(), room + 1), Qt::ElideRight, room);
}

QSize ElidingLabel::frameRoom() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

QSize ElidingLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(OneLineHead(text(), HintLength)), metrics.height()) +
           frameRoom();
}

QSize ElidingLabel::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(QString(QChar(0x2026))), metrics.height()) + frameRoom();
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}
