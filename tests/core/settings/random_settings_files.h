#pragma once

// Settings files as damage or another machine may leave them, drawn from a
// fixed seed so that a failure can be replayed.
#include "core/settings/settings_file.h"
#include "core/text/ansi_code_page.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <limits>
#include <random>

class RandomSettingsFiles {
public:
    explicit RandomSettingsFiles(unsigned seed) : m_random(seed) {}

    // In turn: bytes of no meaning, a whole record of telling values, and
    // such a record cut short.
    QByteArray next() {
        switch (m_drawn++ % 3) {
        case 0:
            return noise(below(121));
        case 1:
            return EncodeSettings(record());
        default: {
            const QByteArray whole = EncodeSettings(record());
            return whole.left(below(whole.size() + 1));
        }
        }
    }

private:
    [[nodiscard]] int below(qsizetype bound) { return int(m_random() % quint32(bound)); }

    [[nodiscard]] QByteArray noise(int length) {
        QByteArray bytes(length, '\0');
        for (char& byte : bytes)
            byte = char(m_random());
        return bytes;
    }

    // Mostly the edges of the ranges and a few fair window sizes, sometimes
    // any 32 bits.
    [[nodiscard]] qint32 number() {
        constexpr qint32 most = std::numeric_limits<qint32>::max();
        constexpr qint32 least = std::numeric_limits<qint32>::min();
        static constexpr std::array<qint32, 14> telling{
            0, 1, -1, 2, 3, 10, 15, 240, 1500, 9000, 1 << 30, -(1 << 30), most, least};
        if (below(4) == 0)
            return qint32(m_random());
        return telling[below(telling.size())];
    }

    // Half the time somewhere about a screen, in twips.
    [[nodiscard]] qint32 windowNumber() { return below(2) == 0 ? below(18000) - 3000 : number(); }

    [[nodiscard]] QString text() { return DecodeAnsi(noise(below(4) == 0 ? below(300) : 0)); }

    [[nodiscard]] SettingsRecord record() {
        SettingsRecord r;
        r.WindowWidth = windowNumber();
        r.WindowHeight = windowNumber();
        r.WindowTop = windowNumber();
        r.WindowLeft = windowNumber();
        r.OnTop = below(2) == 0;
        r.EditorFontName = text();
        r.EditorTextColor = number();
        r.EditorBackColor = number();
        r.EditorFontSize = quint8(m_random());
        r.EditorBold = below(2) == 0;
        r.EditorItalic = below(2) == 0;
        r.UserName = text();
        r.UserEmail = text();
        r.ShowStartScreen = below(2) == 0;
        r.SnapDistance = number();
        r.LockPassword = text();
        for (QString& file : r.RecentFiles)
            file = text();
        r.MainWindowState = number();
        r.SavedAt = text();
        r.SavedVersion = text();
        r.ShowToolbar = below(2) == 0;
        r.ShowStatusBar = below(2) == 0;
        r.ShowFileTabs = below(2) == 0;
        r.AutosaveOn = below(2) == 0;
        r.AutosaveMinutes = number();
        r.AutosaveMode = number();
        return r;
    }

    std::mt19937 m_random;
    int m_drawn = 0;
};
