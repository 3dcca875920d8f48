// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// matching line alone. The keys are found by the first bytes of a line, so
// a thousand keys cost a scan no more than one.
class LineScan
{
public:
    explicit LineScan(const QStringList& keys)
    {
        for (const QString& k : keys) {
            Key key{k, k.toUtf8(), encodeCp1252(k), false, std::nullopt};
            const int index = int(keys_.size());
            keys_.push_back(std::move(key));
            const Key& added = keys_.back();
            auto file = [&](const QByteArray& bytes) {
                if (bytes.size() < Lead)
                    shortKeys_.push_back(index);
                else
                    byLead_[leadOf(bytes)].push_back(index);
            };
            file(added.utf8);
            if (added.cp1252 && *added.cp1252 != added.utf8)
                file(*added.cp1252);
        }
        undecided_ = keys_.size();
    }

    // One value per key, in the order given; all nullopt when the file
    // cannot be read.
    std::vector<std::optional<QString>> run(QIODevice& file)
    {
        if (!scan(file))
            return std::vector<std::optional<QString>>(keys_.size());
        return values();
    }

    // The same over bytes in memory, read in place.
    std::vector<std::optional<QString>> run(QByteArrayView bytes)
    {
        if (!feed(bytes))
            endLine();
        return values();
    }

private:
    static constexpr qsizetype Lead = 4;

    // The first Lead bytes as one number.
    static quint32 leadOf(QByteArrayView bytes)
    {
        quint32 lead = 0;
        for (qsizetype i = 0; i < Lead; ++i)
            lead = (lead << 8) | static_cast<unsigned char>(bytes[i]);
        return lead;
    }

    struct Key
    {
        QString text;
        QByteArray utf8;
        std::optional<QByteArray> cp1252;
        bool decided;
        std::optional<QString> value;
    };

    std::vector<std::optional<QString>> values() const
    {
        std::vector<std::optional<QString>> values;
        for (const Key& k : keys_)
            values.push_back(k.decided ? k.value : std::optional<QString>(QString()));
        return values;
    }

    bool scan(QIODevice& file)
    {
        std::vector<char> block(1 << 16);
        for (;;) {
            const qint64 got = file.read(block.data(), qint64(block.size()));
            if (got < 0)
                return false;
            if (got == 0)
                break;
            if (feed(QByteArrayView(block.data(), got)))
                return true;
        }
        endLine();
        return true;
    }

    // Takes the next bytes of the file; true once every key is settled.
    bool feed(QByteArrayView bytes)
    {
        if (first_) {
            first_ = false;
            if (bytes.startsWith(Utf8Bom)) {
                // A byte-order mark settles the encoding of every line.
                bomUtf8_ = true;
                bytes = bytes.sliced(Utf8Bom.size());
            }
        }
        if (pendingCr_ && !bytes.isEmpty() && bytes.front() == '\n')
            bytes = bytes.sliced(1);
        pendingCr_ = false;
        LineEnds ends(bytes);
        while (!bytes.isEmpty()) {
            qsizetype end = ends.nextFrom(bytes);
            take(bytes.first(end));
            if (end == bytes.size())
                break; // the line goes on in the next block
            if (endLine())
                return true;
            if (bytes[end] == '\r') {
                if (end + 1 < bytes.size() && bytes[end + 1] == '\n')
                    ++end;
                else if (end + 1 == bytes.size())
                    pendingCr_ = true;
            }
            bytes = bytes.sliced(end + 1);
        }
        return false;
    }

    // The line ends of a block, found by memchr: the next "\n" and the next
    // "\r" are remembered, so each byte is looked at once whatever ends
    // the lines.
    class LineEnds
    {
    public:
        explicit LineEnds(QByteArrayView block) : base_(block.data()), size_(block.size()) {}
        // Where the first line of rest (a tail of the block) ends, relative
        // to rest; its size when the line goes on in the next block.
        qsizetype nextFrom(QByteArrayView rest)
        {
            const qsizetype from = rest.data() - base_;
            if (lf_ < from)
                lf_ = find('\n', from);
            if (cr_ < from)
                cr_ = find('\r', from);
            return std::min(lf_, cr_) - from;
        }

    private:
        qsizetype find(char c, qsizetype from) const
        {
            const void* at = std::memchr(base_ + from, c, size_t(size_ - from));
            return at ? static_cast<const char*>(at) - base_ : size_;
        }
        const char* base_;
        qsizetype size_;
        qsizetype lf_ = -1;
        qsizetype cr_ = -1;
    };

    bool startsWithKey(QByteArrayView start, const Key& k, bool whole) const
    {
        auto prefixOf = [&](const QByteArray& bytes) {
            if (whole)
                return start.startsWith(bytes);
            const qsizetype n = std::min(start.size(), bytes.size());
            return start.first(n) == QByteArrayView(bytes).first(n);
        };
        return prefixOf(k.utf8) || (k.cp1252 && prefixOf(*k.cp1252));
    }

    // A line is dropped as soon as its first bytes show that no key starts
    // it, most often straight from the block, without a copy; it is kept
    // whole (for its value) while some key may start it.
    void take(QByteArrayView piece)
    {
        if (discarding_ || piece.isEmpty())
            return;
        if (verified_) {
            line_.append(piece);
            return;
        }
        if (line_.isEmpty()) {
            decide(piece);
            if (!discarding_)
                line_.append(piece);
            return;
        }
        line_.append(piece);
        decide(line_);
    }

    void decide(QByteArrayView start)
    {
        if (!candidatesKnown_) {
            if (start.size() < Lead) {
                if (shortKeys_.empty() && byLead_.isEmpty())
                    discard();
                return;
            }
            candidatesKnown_ = true;
            candidates_.clear();
            for (const int i : shortKeys_)
                candidates_.push_back(i);
            const auto it = byLead_.constFind(leadOf(start));
            if (it != byLead_.constEnd())
                for (const int i : *it)
                    candidates_.push_back(i);
        }
        candidates_.erase(std::remove_if(candidates_.begin(), candidates_.end(),
                                         [&](int i) {
                                             return keys_[i].decided || !startsWithKey(start, keys_[i], false);
                                         }),
                          candidates_.end());
        qsizetype longest = 0;
        for (const int i : candidates_)
            longest = std::max({longest, keys_[i].utf8.size(), keys_[i].cp1252 ? keys_[i].cp1252->size() : 0});
        verified_ = start.size() >= longest;
        if (candidates_.empty())
            discard();
    }

    void discard()
    {
        discarding_ = true;
        line_.resize(0);
    }

    // Settles every key the line starts with; true once all are settled.
    bool endLine()
    {
        if (!discarding_) {
            std::optional<QString> text;
            auto settle = [&](Key& k) {
                if (k.decided || !startsWithKey(line_, k, true))
                    return;
                if (!text)
                    text = decodeLine(line_);
                if (!text->startsWith(k.text))
                    return;
                k.decided = true;
                --undecided_;
                const QString rest = text->mid(k.text.size() + 1);
                if (rest.size() >= 2)
                    k.value = rest.mid(1, rest.size() - 2);
            };
            if (candidatesKnown_) {
                for (const int i : candidates_)
                    settle(keys_[i]);
            } else {
                for (const int i : shortKeys_)
                    settle(keys_[i]);
            }
        }
        line_.resize(0);
        discarding_ = false;
        candidatesKnown_ = false;
        verified_ = false;
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
    QHash<quint32, std::vector<int>> byLead_; // keys by their first bytes
    std::vector<int> shortKeys_;                 // keys shorter than that
    size_t undecided_ = 0;
    QByteArray line_;
    bool discarding_ = false;
    bool candidatesKnown_ = false;
    std::vector<int> candidates_;
    bool verified_ = false; // every candidate checked over its whole length
    bool bomUtf8_ = false;
    bool first_ = true;
    bool pendingCr_ = false;
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

QByteArray entryLine(const QString& name, const QString& value)
{
    return (name + QStringLiteral("=\"") + value + QLatin1Char('"')).toUtf8();
}

QByteArray sectionLine(const QString& name)
{
    return (QLatin1Char('[') + name + QLatin1Char(']')).toUtf8();
}


// The whole file with the key's line replaced, or the key added to its
// section, or the section and the key added at the end; every other line
// stays byte for byte. The file comes out as UTF-8: one that is not UTF-8
// yet is converted whole, so that the new line does not make it a mixture
// of encodings.
QByteArray rewritten(QByteArray bytes, const QString& sectionName, const QString& keyName, const QString& value)
{
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
            lines[i].content = entryLine(p.name.toString(), value);
            if (i == 0 && bytes.startsWith(Utf8Bom))
                lines[i].content.prepend(Utf8Bom);
            break;
        }
    }
    if (found == Found::Section) {
        if (lines[at].ending.isEmpty())
            lines[at].ending = newline;
        lines.insert(lines.begin() + at + 1, RawLine{entryLine(keyName, value), newline});
    } else if (found == Found::Nothing) {
        if (!lines.empty() && lines.back().ending.isEmpty())
            lines.back().ending = newline;
        lines.push_back({sectionLine(sectionName), newline});
        lines.push_back({entryLine(keyName, value), newline});
    }

    QByteArray out;
    out.reserve(bytes.size() + value.size() * 3 + keyName.size() + sectionName.size() + 16);
    for (const RawLine& l : lines)
        out.append(l.content).append(l.ending);
    return out;
}

// Splits a stream of bytes into lines at LF, CR or CR LF, block after block:
// piece(bytes) gets the bytes of the line under way, end(ending) each line
// end, in order.
class LineSplitter
{
public:
    template <class Piece, class End>
    void feed(QByteArrayView bytes, Piece&& piece, End&& end)
    {
        if (pendingCr_) {
            pendingCr_ = false;
            if (!bytes.isEmpty() && bytes.front() == '\n') {
                end(QByteArrayView("\r\n"));
                bytes = bytes.sliced(1);
            } else {
                end(QByteArrayView("\r"));
            }
        }
        while (!bytes.isEmpty()) {
            qsizetype i = 0;
            while (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r')
                ++i;
            if (i > 0)
                piece(bytes.first(i));
            if (i == bytes.size())
                return;
            if (bytes[i] == '\n') {
                end(QByteArrayView("\n"));
                bytes = bytes.sliced(i + 1);
            } else if (i + 1 == bytes.size()) {
                pendingCr_ = true; // a LF may follow in the next block
                return;
            } else if (bytes[i + 1] == '\n') {
                end(QByteArrayView("\r\n"));
                bytes = bytes.sliced(i + 2);
            } else {
                end(QByteArrayView("\r"));
                bytes = bytes.sliced(i + 1);
            }
        }
    }
    template <class End>
    void finish(End&& end)
    {
        if (pendingCr_)
            end(QByteArrayView("\r"));
        pendingCr_ = false;
    }

private:
    bool pendingCr_ = false;
};

constexpr qint64 CopyBlock = 1 << 16;

// Whether a stream of bytes, block after block, is strict UTF-8: no
// overlong forms, no surrogates, nothing above U+10FFFF, no character cut
// off at the end.
class Utf8Check
{
public:
    void feed(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            if (bad_)
                return;
            const auto b = static_cast<unsigned char>(c);
            if (need_ == 0) {
                if (b < 0x80)
                    continue;
                if ((b & 0xE0) == 0xC0) {
                    need_ = 1, code_ = b & 0x1F, least_ = 0x80;
                } else if ((b & 0xF0) == 0xE0) {
                    need_ = 2, code_ = b & 0x0F, least_ = 0x800;
                } else if ((b & 0xF8) == 0xF0) {
                    need_ = 3, code_ = b & 0x07, least_ = 0x10000;
                } else {
                    bad_ = true;
                }
                continue;
            }
            if ((b & 0xC0) != 0x80) {
                bad_ = true;
                continue;
            }
            code_ = (code_ << 6) | (b & 0x3F);
            if (--need_ == 0)
                bad_ = code_ < least_ || code_ > 0x10FFFF || (code_ >= 0xD800 && code_ <= 0xDFFF);
        }
    }
    bool valid() const { return !bad_ && need_ == 0; }

private:
    int need_ = 0;
    char32_t code_ = 0;
    char32_t least_ = 0;
    bool bad_ = false;
};

// Reads the file from where it stands in blocks and gives each to take, the
// byte-order mark at its start left out. Says whether the file began with
// the mark; nullopt on a read error.
std::optional<bool> forEachBlock(QFile& in, std::vector<char>& block, const std::function<void(QByteArrayView, bool bom)>& take)
{
    bool first = true;
    bool bom = false;
    for (;;) {
        const qint64 got = in.read(block.data(), qint64(block.size()));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bom;
        QByteArrayView bytes(block.data(), got);
        if (first) {
            first = false;
            bom = bytes.startsWith(Utf8Bom);
            if (bom)
                bytes = bytes.sliced(Utf8Bom.size());
        }
        take(bytes, bom);
    }
}

// Copies a file above the section reader's limit, replacing the line that
// the line scan reads for key (the first that starts with it, in the same
// case) or, when none does, adding the section and the key at the end. Two
// passes of blocks: the first finds the line, the line ending in use and
// whether the file is UTF-8; the second copies.
bool copyReplacingKey(QFile& in, QFile& out, const QString& sectionName, const QString& keyName,
                      const QString& value)
{
    const QByteArray keyUtf8 = keyName.toUtf8();
    const std::optional<QByteArray> keyCp1252 = encodeCp1252(keyName);
    std::vector<char> block(CopyBlock);

    // First pass.
    Utf8Check utf8;
    qint64 line = 0;
    qint64 keyLine = -1;
    QByteArray start;  // the first bytes of the line under way
    bool lineOpen = false;
    QByteArray newline;
    LineSplitter split;
    auto piece = [&](QByteArrayView p) {
        lineOpen = true;
        if (start.size() < keyUtf8.size() + 8)
            start.append(p.first(std::min(p.size(), keyUtf8.size() + 8 - start.size())));
    };
    auto end = [&](QByteArrayView ending) {
        if (keyLine < 0 && (start.startsWith(keyUtf8) || (keyCp1252 && start.startsWith(*keyCp1252))))
            keyLine = line;
        if (newline.isEmpty())
            newline = ending.toByteArray();
        start.resize(0);
        lineOpen = false;
        ++line;
    };
    const std::optional<bool> marked = forEachBlock(in, block, [&](QByteArrayView bytes, bool bom) {
        if (!bom)
            utf8.feed(bytes);
        split.feed(bytes, piece, end);
    });
    if (!marked)
        return false;
    const bool bom = *marked;
    split.finish(end);
    if (lineOpen)
        end(QByteArrayView());
    const bool convert = !bom && !utf8.valid();
    if (newline.isEmpty())
        newline = "\r\n";

    // Second pass.
    if (!in.seek(0))
        return false;
    bool ok = true;
    QByteArray pending; // one buffer, written out whenever it holds a block
    pending.reserve(2 * CopyBlock);
    auto flush = [&] {
        ok = ok && out.write(pending.constData(), pending.size()) == pending.size();
        pending.resize(0);
    };
    auto put = [&](QByteArrayView bytes) {
        if (bytes.isEmpty() || !ok)
            return;
        if (!convert) {
            pending.append(bytes);
        } else {
            for (const char c : bytes) {
                const auto b = static_cast<unsigned char>(c);
                const char16_t u = (b >= 0x80 && b < 0xA0) ? Cp1252High[b - 0x80] : char16_t(b);
                if (u < 0x80) {
                    pending.append(char(u));
                } else if (u < 0x800) {
                    pending.append(char(0xC0 | (u >> 6))).append(char(0x80 | (u & 0x3F)));
                } else {
                    pending.append(char(0xE0 | (u >> 12)))
                        .append(char(0x80 | ((u >> 6) & 0x3F)))
                        .append(char(0x80 | (u & 0x3F)));
                }
            }
        }
        if (pending.size() >= CopyBlock)
            flush();
    };
    // The key's own lines are UTF-8 already: never converted again.
    auto putOwn = [&](const QByteArray& bytes) {
        if (!ok)
            return;
        pending.append(bytes);
        if (pending.size() >= CopyBlock)
            flush();
    };
    line = 0;
    lineOpen = false;
    auto copyPiece = [&](QByteArrayView p) {
        lineOpen = true;
        if (line != keyLine)
            put(p);
    };
    auto copyEnd = [&](QByteArrayView ending) {
        if (line == keyLine)
            putOwn(entryLine(keyName, value));
        put(ending);
        lineOpen = false;
        ++line;
    };
    if (bom)
        ok = out.write(Utf8Bom) == Utf8Bom.size();
    LineSplitter copy;
    if (!forEachBlock(in, block, [&](QByteArrayView bytes, bool) { copy.feed(bytes, copyPiece, copyEnd); }))
        return false;
    copy.finish(copyEnd);
    if (lineOpen) {
        if (line == keyLine)
            putOwn(entryLine(keyName, value));
        if (keyLine < 0)
            putOwn(newline);
    }
    if (keyLine < 0) {
        putOwn(sectionLine(sectionName) + newline);
        putOwn(entryLine(keyName, value) + newline);
    }
    flush();
    return ok;
}

// Writes a new file beside the one at path and renames it into place: a
// failure or a kill at any moment leaves the old file whole (a copy left by
// a kill is removed at the next start, removeWriteLeftovers). The copy keeps
// the old file's permissions. Renaming replaces whatever stands at path
// itself, a link included, and never writes where a link points.
bool replaceFile(const QByteArray& path, const struct stat* existing, const std::function<bool(QFile&)>& produce)
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray copyPath;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        copyPath = path + '.';
        for (int i = 0; i < 6; ++i)
            copyPath += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        fd = ::open(copyPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = !existing || ::fchmod(fd, existing->st_mode & 07777) == 0;
    {
        QFile out;
        ok = ok && out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
        ok = ok && produce(out);
        ok = ok && out.flush();
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(copyPath.constData(), path.constData()) == 0;
    if (!ok) {
        ::unlink(copyPath.constData());
        return false;
    }
    // The new name itself survives a power cut.
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

// Files that are not read are logged, once each: a lookup asks again at
// every screen.
Q_LOGGING_CATEGORY(lcIniFiles, "contalandia.language", QtWarningMsg)

void logIgnored(const QString& file, mode_t mode)
{
    const char* kind = S_ISFIFO(mode) ? "a FIFO"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode) ? "a socket"
                       : S_ISDIR(mode) ? "a folder"
                                        : "not a regular file";
    static QMutex mutex;
    static QSet<QString> logged;
    {
        QMutexLocker lock(&mutex);
        const QString what = file + u'\n' + QLatin1String(kind);
        if (logged.contains(what))
            return;
        logged.insert(what);
    }
    qCWarning(lcIniFiles).noquote() << file << "is" << kind << "and is not read";
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

std::vector<std::optional<QString>> readValuesIn(const QByteArray& bytes, const QString& section,
                                                 const QStringList& keys)
{
    if (bytes.size() > SectionReaderLimit)
        return LineScan(keys).run(QByteArrayView(bytes));
    std::vector<std::optional<QString>> values(keys.size());
    const QString text = decode(bytes);
    const QHash<QString, QString> entries = sectionEntries(text, trimmed(section));
    for (int i = 0; i < keys.size(); ++i)
        values[i] = entries.value(trimmed(keys[i]).toString().toLower());
    return values;
}

std::vector<std::optional<QString>> readValues(const QString& file, const QString& section, const QStringList& keys)
{
    std::vector<std::optional<QString>> values(keys.size());
    QFile f;
    if (keys.isEmpty() || !openRegularFile(file, f))
        return values;
    // A large file is scanned from the disk in blocks, so its size costs no
    // memory.
    if (f.size() > SectionReaderLimit)
        return LineScan(keys).run(f);

    // Never more than the limit, even if the file grew after its size was taken.
    const QByteArray bytes = f.read(SectionReaderLimit);
    if (bytes.size() < f.size() && f.error() != QFileDevice::NoError)
        return values;
    return readValuesIn(bytes, section, keys);
}

bool openRegularFile(const QString& file, QFile& f)
{
    const QByteArray path = QFile::encodeName(file);
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0)
        return false; // missing: nothing to say
    if (!S_ISREG(st.st_mode)) {
        logIgnored(file, st.st_mode);
        return false;
    }
    // Should it have become a FIFO since, opening does not wait for a
    // writer; what was opened is looked at again.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        logIgnored(file, st.st_mode);
        ::close(fd);
        return false;
    }
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
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

    // Only a plain file is rewritten, and never through a link: a link at
    // the settings file's place would make the program write wherever it
    // points. Opening does not block on a pipe either.
    const QByteArray path = QFile::encodeName(file);
    struct stat existing = {};
    QFile in;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            return false; // replacing what could not be read would lose it
    } else if (::fstat(fd, &existing) != 0 || !S_ISREG(existing.st_mode)
               || !in.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }

    // Up to the section reader's limit the file is rewritten in memory, as
    // that reader sees it; a larger one is copied through in blocks, as the
    // line scan sees it, so its size costs no memory.
    QByteArray bytes;
    if (in.isOpen()) {
        bytes = in.read(SectionReaderLimit + 1);
        if (in.error() != QFileDevice::NoError)
            return false;
    }
    const bool small = bytes.size() <= SectionReaderLimit;
    return replaceFile(path, in.isOpen() ? &existing : nullptr, [&](QFile& out) {
        if (small)
            return out.write(rewritten(bytes, sectionName, keyName, value)) >= 0;
        return in.seek(0) && copyReplacingKey(in, out, sectionName, keyName, value);
    });
}

int removeWriteLeftovers(const QString& file, int olderThanSeconds)
{
    // The names writeValue gives its copies: the file's name, a point and six
    // letters or digits. (Matched by hand: this runs at every start, and a
    // regular expression would load its engine for nothing else.)
    const QFileInfo target(file);
    const QString prefix = target.fileName() + QLatin1Char('.');
    const auto isLeftover = [&prefix](const QString& name) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            return false;
        for (qsizetype i = prefix.size(); i < name.size(); ++i) {
            const char16_t c = name.at(i).unicode();
            if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
                return false;
        }
        return true;
    };
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    int removed = 0;
    const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries)
        if (isLeftover(entry.fileName()) && entry.lastModified().toUTC() < before
            && QFile::remove(entry.filePath()))
            ++removed;
    return removed;
}

} // namespace ini
