// The libraries link one way: core <- platform <- shell <- colour <- html <- app,
// with utilities beside html. A file may include headers of its own layer and
// of the layers below it, never of one above or beside it. The layer of a file
// or header is the first folder under src/, whatever sub-folders follow.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Height of each layer; a layer sees those strictly lower and itself.
const std::map<QString, int> LayerHeights = {
    {u"core"_s, 0}, {u"platform"_s, 1},  {u"shell"_s, 2}, {u"colour"_s, 3},
    {u"html"_s, 4}, {u"utilities"_s, 4}, {u"app"_s, 5},
};

QString layerOf(const QString& path) {
    return path.section(u'/', 0, 0);
}

// Why file (a path under src/) may not include target (as written between the
// quotes); none when it may. A target without a folder is the file's own.
std::optional<QString> IncludeViolation(const QString& file, const QString& target) {
    if (!target.contains(u'/'))
        return std::nullopt;
    const QString from = layerOf(file);
    const QString to = layerOf(target);
    const auto fromHeight = LayerHeights.find(from);
    const auto toHeight = LayerHeights.find(to);
    if (fromHeight == LayerHeights.end())
        return file + u": folder "_s + from + u" is no known layer"_s;
    if (toHeight == LayerHeights.end())
        return file + u" includes "_s + target + u" of no known layer"_s;
    if (from != to && toHeight->second >= fromHeight->second)
        return file + u" ("_s + from + u") includes "_s + target + u" ("_s + to + u")"_s;
    return std::nullopt;
}

// Every forbidden #include "..." line of the tree under root.
QStringList TreeViolations(const QString& root, int& filesRead) {
    static const QRegularExpression include(uR"re(^\s*#\s*include\s*"([^"]+)")re"_s,
                                            QRegularExpression::MultilineOption);
    QStringList violations;
    QDirIterator files(root, {u"*.h"_s, u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            violations << path + u": unreadable"_s;
        ++filesRead;
        const QString relative = path.mid(root.size() + 1);
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();)
            if (const auto why = IncludeViolation(relative, match.next().captured(1)))
                violations << *why;
    }
    return violations;
}

TEST(LayerIncludes, OnlyOwnAndLowerLayersWhateverTheSubFolders) {
    const struct {
        const char* file;
        const char* target;
        bool allowed;
    } cases[] = {
        {"core/text/a.cpp", "core/settings/b.h", true},
        {"core/a.cpp", "platform/b.h", false},
        {"platform/testing/fake.h", "platform/clipboard.h", true},
        {"platform/a.cpp", "shell/b.h", false},
        {"shell/a.cpp", "platform/b.h", true},
        {"shell/a.cpp", "colour/colour_commands.h", false},
        {"shell/menus/a.cpp", "html/tables/Table.h", false},
        {"colour/a.cpp", "shell/b.h", true},
        {"colour/a.cpp", "html/b.h", false},
        {"html/tables/Table.cpp", "colour/ColorDialog.h", true},
        {"html/a.cpp", "utilities/b.h", false},
        {"utilities/a.cpp", "html/b.h", false},
        {"utilities/ciphers/a.cpp", "colour/b.h", true},
        {"html/a.cpp", "app/program_commands.h", false},
        {"app/main.cpp", "html/html_commands.h", true},
        {"app/main.cpp", "utilities/b.h", true},
        {"html/a.cpp", "a_moc.h", true},
        {"browser/a.cpp", "core/b.h", false},
        {"core/a.cpp", "third_party/b.h", false},
    };
    for (const auto& c : cases) {
        const QString file = QString::fromLatin1(c.file);
        const QString target = QString::fromLatin1(c.target);
        EXPECT_EQ(!IncludeViolation(file, target).has_value(), c.allowed)
            << c.file << " -> " << c.target;
    }
}

TEST(LayerIncludes, NoSourceFileIncludesALayerAboveOrBesideIt) {
    int filesRead = 0;
    const QStringList violations = TreeViolations(QStringLiteral(TARVEL_SOURCE_DIR), filesRead);
    EXPECT_TRUE(violations.isEmpty()) << violations.join(u'\n').toStdString();
    // The scan found the tree: every layer has files.
    EXPECT_GT(filesRead, 200);
}

} // namespace
