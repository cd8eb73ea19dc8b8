#include "colour/ApplyColorSet.h"

#include "core/colour/colour_highlighting.h"
#include "core/text/editor_surface.h"
#include "shell/ProgramState.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QProgressBar>

namespace {

// Keeps the surface hidden while the document is recoloured, so nothing is
// painted half done, and shows it again however the run ends.
class HiddenSurface {
public:
    explicit HiddenSurface(EditorSurface& surface) : m_surface(surface) {
        m_surface.setVisible(false);
    }
    ~HiddenSurface() { m_surface.setVisible(true); }
    HiddenSurface(const HiddenSurface&) = delete;
    HiddenSurface& operator=(const HiddenSurface&) = delete;

private:
    EditorSurface& m_surface;
};

} // namespace

void ApplyColorSet(const ColorRuleSet& set, bool selectionOnly, bool ignoreCase) {
    MainForm* main = MainForm::instance();
    EditorSurface& surface = MainSurface();
    const BusyScope busy(main, QStringLiteral("Aplikuji nastavení barev ..."));

    const int selStart = surface.selStart();
    const int selLength = surface.selLength();
    HighlightOptions options;
    options.matchCase = !ignoreCase;
    if (selectionOnly) {
        options.rangeStart = selStart;
        options.rangeEnd = selStart + selLength;
    }
    {
        const HiddenSurface hidden(surface);
        // The reset and the colouring are one formatting step: laid out once,
        // and nothing the user can undo or that marks the document modified.
        const FormattingScope step(surface);
        const AppliedFont applied = Program().Applied;
        ApplyEditorFont(set.DefaultTextColor, applied.AppliedBold, applied.AppliedItalic,
                        applied.AppliedFontName);
        surface.setBackColor(set.DefaultBackground);

        QProgressBar* progress = main->Status();
        progress->setMaximum(static_cast<int>(set.Rules.size()) + 1);
        const std::vector<ColorRun> runs = HighlightRuns(
            surface.text(), set.Rules, options, [progress](int rule) { progress->setValue(rule); });
        surface.setColorRuns(runs);
        progress->setVisible(false);
        surface.setSelStart(selStart);
        surface.setSelLength(selLength);
    }
}
