#pragma once

#include <QString>
#include <array>
#include <functional>

// The texts of the about box and of the freeware notice, and the sweep of
// lines that animates the about box's logo.

// The about box's own name, which its caption shows in random letter case.
inline constexpr char16_t AboutName[] = u"Halvereths Tarvel Qor";

// The line under the program's name: "Tarvel Qor - (Malý) textový editor v"
// and the version.
[[nodiscard]] QString AboutVersionLine(const QString& version);

// The fixed labels of the about box.
[[nodiscard]] QString AboutCreditLine();
[[nodiscard]] QString AboutEmail();
[[nodiscard]] QString AboutHomePage();
[[nodiscard]] QString AboutProjectPage();

// What the desktop's own about box shows: its title and its text.
[[nodiscard]] QString SystemAboutTitle(const QString& version);
[[nodiscard]] QString SystemAboutText(const QString& version);

// The freeware notice: that the program is free, the licensee as
// "name" <e-mail>, and where its help page and read-me file are, the three
// separated by an empty line (CR LF twice).
[[nodiscard]] QString FreewareNoticeText(const QString& userName, const QString& userEmail);
inline constexpr char16_t FreewareNoticeTitle[] = u"Freeware";

// A rectangle of the logo whose pixels are inverted, in pixels.
struct InvertedBand {
    int x = 0, y = 0, width = 0, height = 0;

    friend bool operator==(const InvertedBand&, const InvertedBand&) = default;
};

// Two vertical lines run from the logo's left and right edges towards each
// other and past each other, and two horizontal lines from its top and bottom
// edges do the same; each line restarts at 0 once it has passed one pixel
// beyond the picture's edge. Both counters start at -1.
class LogoSweep {
public:
    // The next step on a picture of width x height pixels: the two vertical
    // lines, then the two horizontal ones.
    [[nodiscard]] std::array<InvertedBand, 4> step(int width, int height);

    [[nodiscard]] int column() const { return m_column; }
    [[nodiscard]] int row() const { return m_row; }

private:
    int m_column = -1;
    int m_row = -1;
};
