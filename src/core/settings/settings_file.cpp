#include "core/settings/settings_file.h"

#include "core/text/ansi_code_page.h"

#include <QLocale>
#include <QtEndian>

#include <array>
#include <limits>

namespace {

// Visits every field in file order; the one place that order is written down,
// so writing and reading cannot drift apart. `Record` is const for writing.
template <typename Record, typename Io> void VisitFields(Record& r, Io& io) {
    io.field(r.WindowWidth);
    io.field(r.WindowHeight);
    io.field(r.WindowTop);
    io.field(r.WindowLeft);
    io.field(r.OnTop);
    io.field(r.EditorFontName);
    io.field(r.EditorTextColor);
    io.field(r.EditorBackColor);
    io.field(r.EditorFontSize);
    io.field(r.EditorBold);
    io.field(r.EditorItalic);
    io.field(r.UserName);
    io.field(r.UserEmail);
    io.field(r.ShowStartScreen);
    io.field(r.SnapDistance);
    io.field(r.LockPassword);
    for (auto& file : r.RecentFiles)
        io.field(file);
    io.field(r.MainWindowState);
    io.field(r.SavedAt);
    io.field(r.SavedVersion);
    io.field(r.ShowToolbar);
    io.field(r.ShowStatusBar);
    io.field(r.ShowFileTabs);
    io.field(r.AutosaveOn);
    io.field(r.AutosaveMinutes);
    io.field(r.AutosaveMode);
}

constexpr qsizetype kMaxStringBytes = std::numeric_limits<quint16>::max();
constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;

template <typename T> void AppendLittleEndian(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

class RecordWriter {
public:
    void field(qint32 value) { AppendLittleEndian(m_bytes, value); }
    void field(bool value) { AppendLittleEndian(m_bytes, value ? kTrue : kFalse); }
    void field(quint8 value) { m_bytes.append(static_cast<char>(value)); }
    void field(const QString& value) {
        const QByteArray text = EncodeAnsi(value).left(kMaxStringBytes);
        AppendLittleEndian(m_bytes, static_cast<quint16>(text.size()));
        m_bytes.append(text);
    }

    [[nodiscard]] QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads fields in turn until one is not there whole; from then on it leaves
// every field as it is, so the rest keep their defaults.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : m_bytes(bytes) {}

    void field(qint32& value) { read(value); }
    void field(bool& value) {
        qint16 stored = 0;
        if (read(stored))
            value = stored != 0;
    }
    void field(quint8& value) { read(value); }
    void field(QString& value) {
        quint16 length = 0;
        if (!read(length))
            return;
        if (!available(length)) {
            m_failed = true;
            return;
        }
        value = DecodeAnsi(m_bytes.mid(m_pos, length));
        m_pos += length;
    }

private:
    [[nodiscard]] bool available(qsizetype count) const {
        return !m_failed && m_bytes.size() - m_pos >= count;
    }

    template <typename T> bool read(T& value) {
        if (!available(sizeof(T))) {
            m_failed = true;
            return false;
        }
        value = qFromLittleEndian<T>(m_bytes.constData() + m_pos);
        m_pos += sizeof(T);
        return true;
    }

    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

// Counts the bytes of the longest record: each field at its widest.
class RecordSizer {
public:
    void field(qint32) { m_bytes += sizeof(qint32); }
    void field(bool) { m_bytes += sizeof(qint16); }
    void field(quint8) { m_bytes += sizeof(quint8); }
    void field(const QString&) { m_bytes += sizeof(quint16) + kMaxStringBytes; }

    [[nodiscard]] qint64 bytes() const { return m_bytes; }

private:
    qint64 m_bytes = 0;
};

constexpr quint8 kFirstRunFontSize = 10;
constexpr qint32 kFirstRunSnapDistance = 240;
constexpr qint32 kFirstRunAutosaveMinutes = 1;
constexpr ColorValue kBlack = RgbColor(0, 0, 0);
constexpr ColorValue kWhite = RgbColor(255, 255, 255);

} // namespace

QByteArray EncodeSettings(const SettingsRecord& settings) {
    RecordWriter writer;
    VisitFields(settings, writer);
    return writer.bytes();
}

SettingsRecord DecodeSettings(const QByteArray& bytes, const SettingsRecord& defaults) {
    SettingsRecord settings = defaults;
    RecordReader reader(bytes);
    VisitFields(settings, reader);
    return settings;
}

qint64 LongestSettingsFile() {
    RecordSizer sizer;
    const SettingsRecord widest;
    VisitFields(widest, sizer);
    return sizer.bytes();
}

SettingsRecord FirstRunSettings(qint32 windowWidth, qint32 windowHeight,
                                const QString& appVersion) {
    SettingsRecord r;
    r.WindowWidth = windowWidth;
    r.WindowHeight = windowHeight;
    r.EditorFontName = FirstRunFontName;
    r.EditorTextColor = kBlack;
    r.EditorBackColor = kWhite;
    r.EditorFontSize = kFirstRunFontSize;
    r.ShowStartScreen = true;
    r.SnapDistance = kFirstRunSnapDistance;
    r.SavedVersion = appVersion;
    r.ShowToolbar = true;
    r.ShowStatusBar = true;
    r.ShowFileTabs = true;
    r.AutosaveMinutes = kFirstRunAutosaveMinutes;
    return r;
}

QString SavedAtText(const QDateTime& time) {
    return QLocale::c().toString(time, QStringLiteral("MM-dd-yyyy HH:mm:ss"));
}

bool VersionChanged(const SettingsRecord& settings, const QString& appVersion) {
    return settings.SavedVersion != appVersion;
}

QString VersionNoticeText(const SettingsRecord& settings, const QString& appVersion) {
    return QStringLiteral("Od posledního spuštění programu došlo ke změně verze,\r\nnaposledy, ") +
           settings.SavedAt + QStringLiteral(", to byla ") + settings.SavedVersion +
           QStringLiteral(", nyní to je ") + appVersion + QStringLiteral(".");
}
