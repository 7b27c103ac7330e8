#include "platform/Userstoretext.h"

#include <algorithm>
#include <iterator>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
// The header of the keys that stand before any section.
const QByteArray kGeneralSection("General");

// The escapes of single characters: the letter after the backslash and the character it stands
// for. The last two are only read.
const char kEscapes[][2] = {{'a', '\a'},  {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                            {'r', '\r'},  {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                            {'\\', '\\'}, {'?', '?'},  {'\'', '\''}};
constexpr int kWrittenEscapes = 9;

// The values of other types, which are no text.
const char* const kTypedValues[] = {"@ByteArray(", "@String(", "@Variant(", "@DateTime(",
                                    "@Rect(",      "@Size(",   "@Point(",   "@Invalid("};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int digitOf(char c, int base)
{
    const int digit = hexDigit(c);
    return digit < base ? digit : -1;
}

// A CR LF or LF CR pair ending before `at` is one line end: `at` moves past its second byte.
void skipSecondLineEnd(const QByteArray& bytes, qsizetype& at)
{
    if (at > 0 && at < bytes.size() && isLineEnd(bytes[at - 1]) && isLineEnd(bytes[at])
        && bytes[at] != bytes[at - 1])
        ++at;
}

// One line of the file and the place of its first '=' outside quotes (-1: none). A line end
// inside quotes or after a backslash does not end it; a ';' outside quotes does, and what
// follows it is a comment.
struct TLine
{
    QByteArray bytes;
    qsizetype equals = -1;
};

bool nextLine(const QByteArray& content, qsizetype& at, TLine& line)
{
    while (at < content.size() && (isBlank(content[at]) || isLineEnd(content[at])))
        ++at;
    if (at >= content.size())
        return false;
    const qsizetype start = at;
    line.equals = -1;
    if (content[at] == ';') {
        while (at < content.size() && !isLineEnd(content[at]))
            ++at;
    } else {
        bool quoted = false;
        for (; at < content.size(); ++at) {
            const char c = content[at];
            if (!quoted && (isLineEnd(c) || c == ';'))
                break;
            if (c == '"') {
                quoted = !quoted;
            } else if (c == '=' && !quoted && line.equals < 0) {
                line.equals = at - start;
            } else if (c == '\\' && at + 1 < content.size()) {
                at += 2;
                skipSecondLineEnd(content, at);
                --at;
            }
        }
    }
    line.bytes = content.mid(start, at - start);
    return true;
}

QString unescapedName(const QByteArray& bytes)
{
    QString name;
    for (qsizetype i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (c == '\\') {
            name += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c == '%') {
            const bool wide = i + 1 < bytes.size() && bytes[i + 1] == 'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const uint code =
                first + digits <= bytes.size() ? bytes.mid(first, digits).toUInt(&ok, 16) : 0;
            if (ok) {
                name += QChar(char16_t(code));
                i = first + digits;
                continue;
            }
        }
        // Names are written escaped; a byte beyond ASCII stands for itself.
        name += QLatin1Char(c);
        ++i;
    }
    return name;
}

QByteArray escapedName(const QString& name)
{
    QByteArray bytes;
    for (const QChar character : name) {
        const char16_t c = character.unicode();
        if (c == u'/') {
            bytes += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
                   || c == u'_' || c == u'-' || c == u'.') {
            bytes += char(c);
        } else if (c <= 0xFF) {
            bytes += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            bytes += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return bytes;
}

QString sectionName(const QByteArray& header)
{
    return header.compare(kGeneralSection, Qt::CaseInsensitive) == 0 ? QString()
                                                                     : unescapedName(header);
}

QByteArray sectionHeader(const QString& name)
{
    return '[' + (name.isEmpty() ? kGeneralSection : escapedName(name)) + ']';
}

// The character of the escape whose letter stands at `at`, which moves past it; none for a
// line end (the value goes on in the next line) or a letter that means nothing.
std::optional<QChar> unescaped(const QByteArray& value, qsizetype& at)
{
    const char letter = value[at++];
    for (const auto& escape : kEscapes) {
        if (letter == escape[0])
            return QChar(QLatin1Char(escape[1]));
    }
    int base = 0;
    char16_t code = 0;
    if (letter == 'x' && at < value.size() && hexDigit(value[at]) >= 0) {
        base = 16;
    } else if (letter >= '0' && letter <= '7') {
        base = 8;
        code = char16_t(letter - '0');
    } else {
        if (isLineEnd(letter))
            skipSecondLineEnd(value, at);
        return std::nullopt;
    }
    for (; at < value.size() && digitOf(value[at], base) >= 0; ++at)
        code = char16_t(code * base + digitOf(value[at], base));
    return QChar(code);
}

// The text of a value as it stands in the file; none for a list or a value of another type.
std::optional<QString> textOfValue(const QByteArray& value)
{
    QString text;
    QByteArray plain; // bytes not yet decoded
    const auto decodePlain = [&] {
        text += QString::fromUtf8(plain);
        plain.clear();
    };
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < value.size() && isBlank(value[at]))
            ++at;
    };
    // Blanks after this length are the value's own.
    qsizetype keptLength = 0;
    bool inQuotes = false;
    bool quoted = false;
    skipBlanks();
    while (at < value.size()) {
        const char c = value[at++];
        if (c == '\\' && at < value.size()) {
            decodePlain();
            if (const std::optional<QChar> character = unescaped(value, at))
                text += *character;
            keptLength = text.size();
        } else if (c == '"') {
            inQuotes = !inQuotes;
            quoted = true;
            if (!inQuotes) {
                decodePlain();
                skipBlanks();
                keptLength = text.size();
            }
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else if (c != '\\') {
            plain += c;
        }
    }
    decodePlain();
    if (!quoted) {
        while (text.size() > keptLength && (text.endsWith(u' ') || text.endsWith(u'\t')))
            text.chop(1);
    }
    if (text.startsWith(u'@')) {
        for (const char* typed : kTypedValues) {
            if (text.startsWith(QLatin1String(typed)) && text.endsWith(u')'))
                return std::nullopt;
        }
        if (text.startsWith(u"@@"))
            text.remove(0, 1);
    }
    return text;
}

QByteArray valueOfText(const QString& text)
{
    // A text beginning with '@' would read as a value of another type.
    const QString written = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray value;
    QString plain; // characters not yet encoded
    const auto encodePlain = [&] {
        value += plain.toUtf8();
        plain.clear();
    };
    bool needsQuotes = false;
    // After a numeric escape a hex digit would read as part of it.
    bool digitEscaped = false;
    for (const QChar character : written) {
        const char16_t c = character.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        if (digitEscaped && c < 0x80 && hexDigit(char(c)) >= 0) {
            encodePlain();
            value += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        digitEscaped = false;
        const auto* escape =
            std::find_if(std::begin(kEscapes), std::begin(kEscapes) + kWrittenEscapes,
                         [c](const char(&e)[2]) { return c == static_cast<char16_t>(e[1]); });
        if (escape != std::begin(kEscapes) + kWrittenEscapes) {
            encodePlain();
            value += '\\';
            value += (*escape)[0];
        } else if (c <= 0x1F) {
            encodePlain();
            value += c == 0 ? QByteArray("\\0") : "\\x" + QByteArray::number(c, 16);
            digitEscaped = true;
        } else {
            plain += character;
        }
    }
    encodePlain();
    if (needsQuotes || value.startsWith(' ') || value.endsWith(' '))
        value = '"' + value + '"';
    return value;
}

// Those read from the file in their order, then the new ones in the order of their names.
template <typename T, typename Name>
std::vector<const T*> writingOrder(const std::vector<T>& items, Name name)
{
    std::vector<const T*> order;
    for (const T& item : items)
        order.push_back(&item);
    std::stable_sort(order.begin(), order.end(), [&name](const T* a, const T* b) {
        if (a->added != b->added)
            return b->added;
        return a->added && name(*a) < name(*b);
    });
    return order;
}

} // namespace

bool CUserStoreText::parse(const QByteArray& content)
{
    m_Sections.clear();
    bool wellFormed = true;
    QString section;
    qsizetype at = content.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    TLine line;
    while (nextLine(content, at, line)) {
        const QByteArray& bytes = line.bytes;
        if (bytes.startsWith(';'))
            continue;
        if (bytes.startsWith('[')) {
            const qsizetype close = bytes.indexOf(']');
            wellFormed = wellFormed && close >= 0;
            section = sectionName(bytes.mid(1, close < 0 ? -1 : close - 1).trimmed());
            continue;
        }
        if (line.equals < 0) {
            wellFormed = false;
            continue;
        }
        QByteArray key = bytes.left(line.equals);
        while (!key.isEmpty() && isBlank(key.back()))
            key.chop(1);
        setValue(section, unescapedName(key), bytes.mid(line.equals + 1), false);
    }
    return wellFormed;
}

QByteArray CUserStoreText::format() const
{
    QByteArray content;
    for (const TSection* section :
         writingOrder(m_Sections, [](const TSection& s) { return s.name; })) {
        if (section->entries.empty())
            continue;
        if (!content.isEmpty())
            content += '\n';
        content += sectionHeader(section->name) + '\n';
        for (const TEntry* entry :
             writingOrder(section->entries, [](const TEntry& e) { return e.key; }))
            content += escapedName(entry->key) + '=' + entry->value + '\n';
    }
    return content;
}

CUserStoreText::TSection* CUserStoreText::findSection(const QString& section)
{
    const auto found = std::find_if(m_Sections.begin(), m_Sections.end(),
                                    [&section](const TSection& s) { return s.name == section; });
    return found == m_Sections.end() ? nullptr : &*found;
}

const CUserStoreText::TSection* CUserStoreText::findSection(const QString& section) const
{
    return const_cast<CUserStoreText*>(this)->findSection(section);
}

bool CUserStoreText::hasSection(const QString& section) const
{
    const TSection* found = findSection(section);
    return found != nullptr && !found->entries.empty();
}

std::optional<QString> CUserStoreText::text(const QString& section, const QString& key) const
{
    const TSection* found = findSection(section);
    if (found == nullptr)
        return std::nullopt;
    for (const TEntry& entry : found->entries) {
        if (entry.key == key)
            return textOfValue(entry.value);
    }
    return std::nullopt;
}

void CUserStoreText::setText(const QString& section, const QString& key, const QString& text)
{
    setValue(section, key, valueOfText(text), true);
}

void CUserStoreText::setValue(const QString& section, const QString& key, const QByteArray& value,
                              bool added)
{
    TSection* found = findSection(section);
    if (found == nullptr)
        found = &m_Sections.emplace_back(TSection{section, {}, added});
    for (TEntry& entry : found->entries) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    found->entries.push_back({key, value, added});
}

void CUserStoreText::eraseSection(const QString& section)
{
    m_Sections.erase(std::remove_if(m_Sections.begin(), m_Sections.end(),
                                    [&section](const TSection& s) { return s.name == section; }),
                     m_Sections.end());
}
