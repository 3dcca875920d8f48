// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the source: every include stays within the folders the
// layer table of docs/ARCHITECTURE.md allows, and no two units (a header
// with its source file) include each other, however indirectly.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QString SourceRoot = QStringLiteral(CONTALANDIA_DATA_DIR "/..");

// Folder -> folders it may include, from the table between the markers.
QHash<QString, QStringList> layerTable(const QString& architecture)
{
    QHash<QString, QStringList> table;
    const qsizetype begin = architecture.indexOf(QLatin1String("<!-- layers: begin -->"));
    const qsizetype end = architecture.indexOf(QLatin1String("<!-- layers: end -->"));
    if (begin < 0 || end < begin)
        return table;
    static const QRegularExpression folder(QStringLiteral("`([^`]+)`"));
    for (const QString& line : architecture.mid(begin, end - begin).split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('|'));
        if (cells.size() < 4)
            continue;
        const auto own = folder.match(cells[1]);
        if (!own.hasMatch())
            continue;
        QStringList allowed;
        for (auto it = folder.globalMatch(cells[2]); it.hasNext();)
            allowed << it.next().captured(1);
        table.insert(own.captured(1), allowed);
    }
    return table;
}

// The row of a folder: its own, or the families' row for a folder under
// exercises/ that has none.
std::optional<QStringList> allowedFor(const QHash<QString, QStringList>& table, const QString& folder)
{
    if (table.contains(folder))
        return table.value(folder);
    if (folder.startsWith(QLatin1String("exercises/")) && table.contains(QStringLiteral("exercises/*/")))
        return table.value(QStringLiteral("exercises/*/"));
    return std::nullopt;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString unitOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.')));
}

// Every project include of every file under src/, as paths relative to src/.
QHash<QString, QStringList> includesOf(const QString& src)
{
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QHash<QString, QStringList> out;
    QDirIterator it(src, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        QStringList found;
        for (auto m = include.globalMatch(text); m.hasNext();)
            found << m.next().captured(1);
        out.insert(QDir(src).relativeFilePath(path), found);
    }
    return out;
}

// Includes that break the table, as "file -> include".
QStringList layerBreaches(const QHash<QString, QStringList>& includes, const QHash<QString, QStringList>& table)
{
    QStringList breaches;
    for (auto it = includes.cbegin(); it != includes.cend(); ++it) {
        const QString own = folderOf(it.key());
        const auto allowed = allowedFor(table, own);
        for (const QString& inc : it.value()) {
            const QString target = folderOf(inc);
            if (target == own)
                continue;
            const bool ok = allowed && std::any_of(allowed->cbegin(), allowed->cend(),
                                                   [&](const QString& a) { return target.startsWith(a); });
            if (!ok)
                breaches << it.key() + QStringLiteral(" -> ") + inc;
        }
    }
    breaches.sort();
    return breaches;
}

// Units that reach themselves again through their includes, each circle
// as its sorted units joined by " ".
QStringList circles(const QHash<QString, QStringList>& includes)
{
    QHash<QString, QSet<QString>> edges;
    for (auto it = includes.cbegin(); it != includes.cend(); ++it)
        for (const QString& inc : it.value())
            if (unitOf(inc) != unitOf(it.key()))
                edges[unitOf(it.key())].insert(unitOf(inc));
    // Tarjan's strongly connected components.
    QHash<QString, int> index, low;
    QStringList stack;
    QSet<QString> onStack;
    QStringList found;
    int next = 0;
    std::function<void(const QString&)> visit = [&](const QString& v) {
        index[v] = low[v] = next++;
        stack << v;
        onStack.insert(v);
        for (const QString& w : edges.value(v)) {
            if (!index.contains(w)) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (onStack.contains(w)) {
                low[v] = std::min(low[v], index[w]);
            }
        }
        if (low[v] == index[v]) {
            QStringList component;
            QString w;
            do {
                w = stack.takeLast();
                onStack.remove(w);
                component << w;
            } while (w != v);
            if (component.size() > 1) {
                component.sort();
                found << component.join(QLatin1Char(' '));
            }
        }
    };
    for (auto it = edges.cbegin(); it != edges.cend(); ++it)
        if (!index.contains(it.key()))
            visit(it.key());
    found.sort();
    return found;
}

QString readArchitecture()
{
    QFile f(SourceRoot + QStringLiteral("/docs/ARCHITECTURE.md"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(Layers, EveryIncludeKeepsToTheLayerTable)
{
    const auto table = layerTable(readArchitecture());
    ASSERT_TRUE(table.contains(QStringLiteral("services/"))) << "no layer table in docs/ARCHITECTURE.md";
    const auto includes = includesOf(SourceRoot + QStringLiteral("/src"));
    ASSERT_GT(includes.size(), 50);
    EXPECT_EQ(layerBreaches(includes, table).join(QLatin1Char('\n')).toStdString(), "");
}

TEST(Layers, NoUnitsIncludeEachOther)
{
    const auto includes = includesOf(SourceRoot + QStringLiteral("/src"));
    // The one circle on purpose: the context holds the navigator, which
    // builds screens, which read the context.
    EXPECT_EQ(circles(includes),
              QStringList{QStringLiteral("framework/AppContext framework/Navigator framework/Screen")});
}

// The checks themselves, on a made-up source: an include that reaches up,
// one that reaches sideways into another family, and a circle.
TEST(Layers, TheChecksCatchWhatTheyAreFor)
{
    const auto table = layerTable(QStringLiteral("<!-- layers: begin -->\n"
                                                 "| `exercises/*/` | `exercises/frame/`, `services/` |\n"
                                                 "| `exercises/frame/` | `services/` |\n"
                                                 "| `services/` | |\n"
                                                 "<!-- layers: end -->\n"));
    const QHash<QString, QStringList> includes = {
        {QStringLiteral("services/A.cpp"), {QStringLiteral("services/A.h"), QStringLiteral("exercises/frame/F.h")}},
        {QStringLiteral("exercises/abacus/B.cpp"),
         {QStringLiteral("exercises/frame/F.h"), QStringLiteral("exercises/written/W.h")}},
        {QStringLiteral("exercises/written/W.cpp"), {QStringLiteral("exercises/written/V.h")}},
        {QStringLiteral("exercises/written/V.cpp"), {QStringLiteral("exercises/written/W.h")}},
    };
    EXPECT_EQ(layerBreaches(includes, table),
              QStringList({QStringLiteral("exercises/abacus/B.cpp -> exercises/written/W.h"),
                           QStringLiteral("services/A.cpp -> exercises/frame/F.h")}));
    EXPECT_EQ(circles(includes), QStringList{QStringLiteral("exercises/written/V exercises/written/W")});
}
