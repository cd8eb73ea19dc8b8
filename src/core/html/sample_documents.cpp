#include "core/html/sample_documents.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

using enum SampleKind;

constexpr std::array<SampleRow, 11> Rows{{
    {u"HTML1", u"Jednoduchý HTML dokument 1", u"test1.html", HtmlPage, TemplateHtmlHomepage},
    {u"HTML2", u"Jednoduchý HTML dokument 2", u"test2.html", HtmlPage, TemplateHtmlCoolPage},
    {u"HTML3", u"Jednoduchý HTML dokument 3", u"test3.html", HtmlPage, TemplateHtmlStars},
    {u"HTML4", u"Jednoduchý HTML dokument 4", u"test4.html", HtmlPage, TemplateHtmlLinkTables},
    {u"INI1", u"Inicializační soubor 1", u"acad.ini", Settings, TemplateCadIni},
    {u"INI2", u"Inicializační soubor 2", u"netscape.ini", Settings, TemplateMailToolbarIni},
    {u"INF1", u"Autorun", u"autorun.inf", Settings, TemplateAutorunInf},
    {u"HTML5", u"HTML s javascriptem", u"java.html", HtmlScript, TemplateHtmlJavaScript},
    {u"BAT1", u"Dávkový soubor 1", u"autoexec.bat", Batch, TemplateAutoexecBat},
    {u"BAT2", u"Dávkový soubor 2", u"cleanup.bat", Batch, TemplateCleanupBat},
    {u"DIZ1", u"info", u"file_ID.diz", Description, TemplateFileIdDiz},
}};

QString filled(const SamplePiece& piece, const SampleInputs& inputs) {
    const auto draw = [](const std::function<QString()>& source) {
        return source ? source() : QString();
    };
    switch (piece.field) {
    case SampleField::Head:
        return inputs.head;
    case SampleField::UserName:
        return inputs.userName;
    case SampleField::UserEmail:
        return inputs.userEmail;
    case SampleField::Sentence:
        return draw(inputs.sentence);
    case SampleField::Paragraph:
        return draw(inputs.paragraph);
    case SampleField::Text:
        break;
    }
    return piece.text.toString().replace(u'\n', u"\r\n"_s);
}

} // namespace

QString BuildSample(std::span<const SamplePiece> pieces, const SampleInputs& inputs) {
    QString text;
    for (const SamplePiece& piece : pieces)
        text += filled(piece, inputs);
    return text;
}

std::span<const SampleRow> SampleRows() {
    return Rows;
}

const SampleRow* SampleRowOf(QStringView key) {
    const auto* found = std::find_if(Rows.begin(), Rows.end(),
                                     [key](const SampleRow& row) { return row.key == key; });
    return found == Rows.end() ? nullptr : found;
}
