#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <span>

// The sample documents a user can start a new text from: HTML pages,
// settings files, batch files and a program description, some of them filled
// with the user's name and address and with random text.

// What the samples are filled with. The head carries the moment it was made
// and the random texts draw afresh on every call, so a caller (or a test)
// decides both.
struct SampleInputs {
    QString head; // the opening of every whole page, ending in CR LF
    QString userName;
    QString userEmail;
    std::function<QString()> sentence;  // one line of random text
    std::function<QString()> paragraph; // a few such sentences on one line
};

// A piece of a sample: a fixed text, or a place the inputs fill.
enum class SampleField { Text, Head, UserName, UserEmail, Sentence, Paragraph };
struct SamplePiece {
    SampleField field = SampleField::Text;
    // Fixed text with its lines ended by a bare LF, written out as CR LF.
    QStringView text = {};
};

// The pieces joined, each field filled afresh from inputs.
[[nodiscard]] QString BuildSample(std::span<const SamplePiece> pieces, const SampleInputs& inputs);

// The eleven samples.
[[nodiscard]] QString TemplateHtmlHomepage(const SampleInputs& inputs);
[[nodiscard]] QString TemplateHtmlCoolPage(const SampleInputs& inputs);
[[nodiscard]] QString TemplateHtmlStars(const SampleInputs& inputs);
[[nodiscard]] QString TemplateHtmlLinkTables(const SampleInputs& inputs);
[[nodiscard]] QString TemplateCadIni(const SampleInputs& inputs);
[[nodiscard]] QString TemplateMailToolbarIni(const SampleInputs& inputs);
[[nodiscard]] QString TemplateAutorunInf(const SampleInputs& inputs);
[[nodiscard]] QString TemplateHtmlJavaScript(const SampleInputs& inputs);
[[nodiscard]] QString TemplateAutoexecBat(const SampleInputs& inputs);
[[nodiscard]] QString TemplateCleanupBat(const SampleInputs& inputs);
[[nodiscard]] QString TemplateFileIdDiz(const SampleInputs& inputs);

// The picture a sample's row shows.
enum class SampleKind { HtmlPage, HtmlScript, Settings, Batch, Description };

// One row of the sample list, in the order the list shows them.
struct SampleRow {
    QStringView key;
    QStringView type;     // what the sample is
    QStringView fileName; // shown only; no such file is read or written
    SampleKind kind;
    QString (*build)(const SampleInputs&);
};
[[nodiscard]] std::span<const SampleRow> SampleRows();
// The row of a key; nullptr for an unknown key.
[[nodiscard]] const SampleRow* SampleRowOf(QStringView key);
