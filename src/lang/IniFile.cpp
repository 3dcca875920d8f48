// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <vector>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

// Bytes 0x80..0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, as Windows does, so
// every byte decodes to exactly one character.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

// The bytes of text in Windows-1252, or nullopt when a character has none.
std::optional<QByteArray> encodeCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        int found = -1;
        for (int i = 0; i < int(Cp1252High.size()); ++i)
            if (Cp1252High[i] == u)
                found = i;
        if (found < 0)
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + found));
    }
    return bytes;
}

// A byte-order mark at the very start has been removed by the caller; one
// further on is a character like any other.
std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    // Stateless: a sequence cut short at the end is an error, not left
    // waiting for more bytes.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The reader's notion of a blank: white space, and the Ctrl-Z that old
// editors left at the end of a file.
bool isBlank(QChar c)
{
    return c.isSpace() || c.unicode() == 0x1A;
}

QStringView trimmed(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Names and values travel through the platform reader as C strings: a NUL
// ends them.
QStringView cutAtNul(QStringView s)
{
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    return nul < 0 ? s : s.left(nul);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Splits text at CR LF, LF or CR; the pieces are views into text.
std::vector<QStringView> splitLines(QStringView text)
{
    std::vector<QStringView> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lines.push_back(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(text.mid(start));
    return lines;
}

// One line of an INI file as the platform reader sees it.
struct ParsedLine
{
    enum Kind { Blank, Section, Entry } kind = Blank;
    QStringView name;                 // section name, or key name
    std::optional<QStringView> value; // after "=", blanks trimmed; none without "="
};

ParsedLine parseLine(QStringView raw)
{
    ParsedLine p;
    const QStringView line = trimmed(raw);
    if (line.isEmpty())
        return p;
    if (line.front() == u'[') {
        const qsizetype close = line.lastIndexOf(u']');
        if (close > 0) {
            p.kind = ParsedLine::Section;
            p.name = cutAtNul(line.mid(1, close - 1));
            return p;
        }
        // A bracket never closed is read as an ordinary line.
    }
    p.kind = ParsedLine::Entry;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        p.name = cutAtNul(line);
        return p;
    }
    p.name = cutAtNul(trimmed(line.left(eq)));
    p.value = trimmed(line.mid(eq + 1));
    return p;
}

// A value as the platform reader gives it: up to a NUL, without one pair of
// enclosing quotes, at most MaxValueLength characters.
QString entryValue(QStringView v)
{
    v = cutAtNul(v);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    if (v.size() > ini::MaxValueLength) {
        v = v.left(ini::MaxValueLength);
        // Never leave half of a surrogate pair at the cut.
        if (v.back().isHighSurrogate())
            v.chop(1);
    }
    return v.toString();
}

// The entries of a section, by key in lower case: only the first section of
// a name is searched, and within it the first line of a key decides, as in
// the platform reader. A key without "=" reads as empty.
QHash<QString, QString> sectionEntries(QStringView text, QStringView section)
{
    QHash<QString, QString> entries;
    bool inSection = section.isEmpty(); // the lines before any header
    for (const QStringView raw : splitLines(text)) {
        const ParsedLine p = parseLine(raw);
        if (p.kind == ParsedLine::Section) {
            if (inSection)
                break;
            inSection = sameName(p.name, section);
            continue;
        }
        if (!inSection || p.kind != ParsedLine::Entry)
            continue;
        const QString key = p.name.toString().toLower();
        if (!entries.contains(key))
            entries.insert(key, p.value ? entryValue(*p.value) : QString());
    }
    return entries;
}

// The reading path for large files: the first line anywhere in the file that
// starts with the key, in the same case, gives the value. Works on the raw
// bytes in blocks, keeping only the start of each line until it can still
// match, so the time grows with the file size and the memory with the
// matching line alone.
class LineScan
{
public:
    explicit LineScan(const QStringList& keys)
    {
        for (const QString& k : keys) {
            Key key{k, k.toUtf8(), encodeCp1252(k), false, std::nullopt};
            prefixLength_ = std::max(prefixLength_, key.utf8.size());
            if (key.cp1252)
                prefixLength_ = std::max(prefixLength_, key.cp1252->size());
            keys_.push_back(std::move(key));
        }
        undecided_ = keys_.size();
    }

    // One value per key, in the order given; all nullopt when the file
    // cannot be read.
    std::vector<std::optional<QString>> run(QFile& file)
    {
        if (!scan(file))
            return std::vector<std::optional<QString>>(keys_.size());
        std::vector<std::optional<QString>> values;
        for (const Key& k : keys_)
            values.push_back(k.decided ? k.value : std::optional<QString>(QString()));
        return values;
    }

private:
    struct Key
    {
        QString text;
        QByteArray utf8;
        std::optional<QByteArray> cp1252;
        bool decided;
        std::optional<QString> value;
    };

    bool scan(QFile& file)
    {
        std::vector<char> block(1 << 16);
        bool first = true;
        bool pendingCr = false;
        for (;;) {
            const qint64 got = file.read(block.data(), qint64(block.size()));
            if (got < 0)
                return false;
            if (got == 0)
                break;
            QByteArrayView bytes(block.data(), got);
            if (first) {
                first = false;
                if (bytes.startsWith(Utf8Bom)) {
                    // A byte-order mark settles the encoding of every line.
                    bomUtf8_ = true;
                    bytes = bytes.sliced(Utf8Bom.size());
                }
            }
            if (pendingCr && !bytes.isEmpty() && bytes.front() == '\n')
                bytes = bytes.sliced(1);
            pendingCr = false;
            while (!bytes.isEmpty()) {
                qsizetype end = 0;
                while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
                    ++end;
                take(bytes.first(end));
                if (end == bytes.size())
                    break; // the line goes on in the next block
                if (endLine())
                    return true;
                if (bytes[end] == '\r') {
                    if (end + 1 < bytes.size() && bytes[end + 1] == '\n')
                        ++end;
                    else if (end + 1 == bytes.size())
                        pendingCr = true;
                }
                bytes = bytes.sliced(end + 1);
            }
        }
        endLine();
        return true;
    }

    bool mayMatch(QByteArrayView start) const
    {
        auto prefixOf = [&](const QByteArray& k) {
            const qsizetype n = std::min(start.size(), k.size());
            return start.first(n) == QByteArrayView(k).first(n);
        };
        for (const Key& k : keys_)
            if (!k.decided && (prefixOf(k.utf8) || (k.cp1252 && prefixOf(*k.cp1252))))
                return true;
        return false;
    }

    void take(QByteArrayView piece)
    {
        if (discarding_)
            return;
        line_.append(piece);
        if (!mayMatch(line_.first(std::min(line_.size(), prefixLength_)))) {
            discarding_ = true;
            line_.clear();
        }
    }

    // Settles every key the line starts with; true once all are settled.
    bool endLine()
    {
        if (!discarding_) {
            std::optional<QString> text;
            for (Key& k : keys_) {
                if (k.decided || !(line_.startsWith(k.utf8) || (k.cp1252 && line_.startsWith(*k.cp1252))))
                    continue;
                if (!text)
                    text = decodeLine(line_);
                if (!text->startsWith(k.text))
                    continue;
                k.decided = true;
                --undecided_;
                const QString rest = text->mid(k.text.size() + 1);
                if (rest.size() >= 2)
                    k.value = rest.mid(1, rest.size() - 2);
            }
        }
        line_.clear();
        discarding_ = false;
        return undecided_ == 0;
    }

    QString decodeLine(const QByteArray& bytes) const
    {
        if (bomUtf8_)
            return QString::fromUtf8(bytes);
        if (auto text = strictUtf8(bytes))
            return *text;
        return decodeCp1252(bytes);
    }

    std::vector<Key> keys_;
    size_t undecided_ = 0;
    qsizetype prefixLength_ = 0;
    QByteArray line_;
    bool discarding_ = false;
    bool bomUtf8_ = false;
};

// Lines with their own line ends, so that a rewrite can keep them byte for
// byte.
struct RawLine
{
    QByteArray content;
    QByteArray ending;
};

std::vector<RawLine> splitRawLines(const QByteArray& bytes)
{
    std::vector<RawLine> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r')
            continue;
        const qsizetype endLength = (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.mid(start, i - start), bytes.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < n)
        lines.push_back({bytes.mid(start), QByteArray()});
    return lines;
}

bool hasLineBreakOrNul(const QString& s)
{
    return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(u'\0'));
}

} // namespace

namespace ini {

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()));
    if (auto text = strictUtf8(bytes))
        return *text;
    return decodeCp1252(bytes);
}

std::vector<std::optional<QString>> readValues(const QString& file, const QString& section, const QStringList& keys)
{
    std::vector<std::optional<QString>> values(keys.size());
    // Only plain files: a directory cannot be read, and a pipe or a device
    // could block the program or never end.
    if (keys.isEmpty() || !QFileInfo(file).isFile())
        return values;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return values;
    if (f.size() > SectionReaderLimit)
        return LineScan(keys).run(f);

    // Never more than the limit, even if the file grew after its size was taken.
    const QByteArray bytes = f.read(SectionReaderLimit);
    if (bytes.size() < f.size() && f.error() != QFileDevice::NoError)
        return values;
    const QString text = decode(bytes);
    const QHash<QString, QString> entries = sectionEntries(text, trimmed(section));
    for (int i = 0; i < keys.size(); ++i)
        values[i] = entries.value(trimmed(keys[i]).toString().toLower());
    return values;
}

std::optional<QString> readValue(const QString& file, const QString& section, const QString& key)
{
    return readValues(file, section, {key}).front();
}

bool writeValue(const QString& file, const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = trimmed(section).toString();
    const QString keyName = trimmed(key).toString();
    // A name or value that would break the line structure could never be
    // read back as written, and could plant other keys.
    if (sectionName.isEmpty() || keyName.isEmpty() || hasLineBreakOrNul(sectionName)
        || hasLineBreakOrNul(keyName) || hasLineBreakOrNul(value) || sectionName.contains(u']')
        || keyName.contains(u'=') || keyName.startsWith(u'['))
        return false;

    QByteArray bytes;
    const QFileInfo info(file);
    if (info.exists()) {
        if (!info.isFile())
            return false;
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return false; // replacing what could not be read would lose it
        bytes = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return false;
    }
    // The file is written as UTF-8. One that is not UTF-8 yet is converted
    // whole, so that the new line does not make it a mixture of encodings.
    if (!bytes.startsWith(Utf8Bom) && !strictUtf8(bytes))
        bytes = decodeCp1252(bytes).toUtf8();

    std::vector<RawLine> lines = splitRawLines(bytes);
    QByteArray newline = "\r\n";
    for (const RawLine& l : lines)
        if (!l.ending.isEmpty()) {
            newline = l.ending;
            break;
        }

    auto lineText = [&](std::size_t i) {
        QByteArrayView content = lines[i].content;
        if (i == 0 && content.startsWith(Utf8Bom))
            content = content.sliced(Utf8Bom.size());
        return QString::fromUtf8(content);
    };
    auto entryLine = [&](const QString& name) {
        return (name + QStringLiteral("=\"") + value + QLatin1Char('"')).toUtf8();
    };

    // The same section and key the reader would find.
    enum class Found { Nothing, Section, Key } found = Found::Nothing;
    std::size_t at = 0; // the key's line, or the section's last non-blank line
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = lineText(i);
        const ParsedLine p = parseLine(text);
        if (p.kind == ParsedLine::Section) {
            if (found == Found::Section)
                break;
            if (found == Found::Nothing && sameName(p.name, sectionName)) {
                found = Found::Section;
                at = i;
            }
            continue;
        }
        if (found != Found::Section || p.kind == ParsedLine::Blank)
            continue;
        at = i;
        if (sameName(p.name, keyName)) {
            found = Found::Key;
            // The key keeps the spelling it has in the file.
            lines[i].content = entryLine(p.name.toString());
            if (i == 0 && bytes.startsWith(Utf8Bom))
                lines[i].content.prepend(Utf8Bom);
            break;
        }
    }
    if (found == Found::Section) {
        if (lines[at].ending.isEmpty())
            lines[at].ending = newline;
        lines.insert(lines.begin() + at + 1, RawLine{entryLine(keyName), newline});
    } else if (found == Found::Nothing) {
        if (!lines.empty() && lines.back().ending.isEmpty())
            lines.back().ending = newline;
        lines.push_back({(QLatin1Char('[') + sectionName + QLatin1Char(']')).toUtf8(), newline});
        lines.push_back({entryLine(keyName), newline});
    }

    QByteArray out;
    out.reserve(bytes.size() + value.size() * 3 + keyName.size() + sectionName.size() + 16);
    for (const RawLine& l : lines)
        out.append(l.content).append(l.ending);

    // Written beside the file and renamed into place: a failure at any point
    // leaves the old file whole. Where the folder takes no new file but the
    // file itself may be written (a shared install), it is written in place.
    QSaveFile save(file);
    save.setDirectWriteFallback(true);
    if (!save.open(QIODevice::WriteOnly))
        return false;
    if (save.write(out) != out.size()) {
        save.cancelWriting();
        return false;
    }
    return save.commit();
}

int removeWriteLeftovers(const QString& file, int olderThanSeconds)
{
    // The names QSaveFile gives its copies: the file's name, a point and six
    // letters or digits.
    const QFileInfo target(file);
    const QRegularExpression leftover(QStringLiteral("^%1\\.[A-Za-z0-9]{6}$")
                                          .arg(QRegularExpression::escape(target.fileName())));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    int removed = 0;
    const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries)
        if (leftover.match(entry.fileName()).hasMatch() && entry.lastModified().toUTC() < before
            && QFile::remove(entry.filePath()))
            ++removed;
    return removed;
}

} // namespace ini
