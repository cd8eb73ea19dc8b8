#pragma once

#include "core/text/editor_surface.h"

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

// One implementation of EditorSurface that the contract runs against.
struct SurfaceKind {
    std::string name;
    std::function<std::unique_ptr<EditorSurface>()> make;
};

inline void PrintTo(const SurfaceKind& kind, std::ostream* os) {
    *os << kind.name;
}

// The look of one character as the surface reports it.
struct Look {
    ColorValue color = 0;
    QString fontName;
    double size = 0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Look&, const Look&) = default;
};

inline void PrintTo(const Look& look, std::ostream* os) {
    *os << "{color " << look.color << ", font " << look.fontName.toStdString() << ", size "
        << look.size << (look.bold ? ", bold" : "") << (look.italic ? ", italic" : "") << "}";
}

// The text with line breaks and every character outside printable ASCII
// escaped, so a failed comparison shows exactly which character differs.
[[nodiscard]] inline std::string Shown(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += "\\\\";
        else if (u == u'\r')
            out += "\\r";
        else if (u == u'\n')
            out += "\\n";
        else if (u >= 0x20 && u < 0x7F)
            out += static_cast<char>(u);
        else
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toStdString();
    }
    return out;
}

// A fresh surface per test that counts its textChanged notifications.
class EditorSurfaceContract : public ::testing::TestWithParam<SurfaceKind> {
protected:
    void SetUp() override {
        m_surface = GetParam().make();
        QObject::connect(m_surface.get(), &EditorSurface::textChanged, m_surface.get(),
                         [this] { ++changes; });
    }

    [[nodiscard]] EditorSurface& surface() { return *m_surface; }

    void select(int start, int length) {
        m_surface->setSelStart(start);
        m_surface->setSelLength(length);
    }

    // The look the surface reports right now, for the selection or caret.
    [[nodiscard]] Look look() const {
        return {m_surface->selColor(), m_surface->selFontName(), m_surface->selFontSize(),
                m_surface->selBold(), m_surface->selItalic()};
    }

    // Gives the selection, or the caret, every attribute of look.
    void format(const Look& look) {
        m_surface->setSelColor(look.color);
        m_surface->setSelFontName(look.fontName);
        m_surface->setSelFontSize(look.size);
        m_surface->setSelBold(look.bold);
        m_surface->setSelItalic(look.italic);
    }

    // The look of the single character at position; moves the selection.
    [[nodiscard]] Look lookAt(int position) {
        select(position, 1);
        return look();
    }

    int changes = 0;

private:
    std::unique_ptr<EditorSurface> m_surface;
};
