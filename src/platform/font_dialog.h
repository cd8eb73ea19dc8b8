#pragma once

#include <QString>
#include <optional>

class QWidget;

// A font as the font dialog offers and returns it: its family and its size
// in points (fractions allowed).
struct FontChoice {
    QString family;
    double pointSize = 0;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The desktop's font dialog: it starts on initial and returns the font the
// user confirmed, or nullopt when cancelled.
class FontDialogService {
public:
    virtual ~FontDialogService() = default;
    virtual std::optional<FontChoice> choose(const FontChoice& initial, QWidget* owner) = 0;
};

class QtFontDialogService : public FontDialogService {
public:
    std::optional<FontChoice> choose(const FontChoice& initial, QWidget* owner) override;
};
