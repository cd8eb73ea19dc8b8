#include "platform/surface/paragraph_text.h"

#include "core/text/ansi_code_page.h"

ParagraphText ToParagraphText(const QString& text) {
    ParagraphText result;
    result.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            const bool pair = i + 1 < text.size() && text.at(i + 1) == u'\n';
            result.breaks.push_back(pair ? LineBreak::CrLf : LineBreak::Cr);
            result.text += QChar::ParagraphSeparator;
            i += pair ? 1 : 0;
        } else if (c == u'\n') {
            result.breaks.push_back(LineBreak::Lf);
            result.text += QChar::ParagraphSeparator;
        } else if (c.unicode() == 0) {
            result.text += NulPlaceholder;
        } else {
            result.text += IsAnsiChar(c) ? c : QChar(u'?');
        }
    }
    return result;
}

int BreakLength(LineBreak kind) {
    return kind == LineBreak::CrLf ? 2 : 1;
}

QString BreakText(LineBreak kind) {
    switch (kind) {
    case LineBreak::Lf:
        return QStringLiteral("\n");
    case LineBreak::Cr:
        return QStringLiteral("\r");
    case LineBreak::CrLf:
        break;
    }
    return QStringLiteral("\r\n");
}
