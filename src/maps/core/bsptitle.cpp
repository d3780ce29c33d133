// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/bsptitle.h"

#include "app/core/textcodec.h"

namespace tk {

namespace {

constexpr qint64 kHeaderSize = 8 + 19 * 8; // ident, version, 19 lumps of offset and length
constexpr qint32 kBspVersion = 38;
// Most maps' world is a few hundred bytes long: the first read takes this much of the lump.
constexpr qint64 kFirstEntityWindow = 16 * 1024;

qint32 le32(const char* p)
{
    return qint32(quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16
        | quint32(quint8(p[3])) << 24);
}

// The engine reads bytes as signed characters: those of 0x80 and above count as blanks
// outside quotes, like the control characters.
bool isBlank(char c)
{
    return quint8(c) <= ' ' || quint8(c) >= 0x80;
}

// The engine's tokenizer over the entity text.
class Tokens {
public:
    explicit Tokens(QByteArrayView text)
        : m_text(text)
    { }

    // The next token, or nothing at the end of the text.
    std::optional<QByteArrayView> next()
    {
        const qsizetype n = m_text.size();
        for (;;) {
            while (m_pos < n && isBlank(m_text[m_pos])) {
                if (m_text[m_pos] == '\0')
                    return std::nullopt;
                ++m_pos;
            }
            if (m_pos >= n)
                return std::nullopt;
            if (m_text[m_pos] != '/' || m_pos + 1 >= n || m_text[m_pos + 1] != '/')
                break;
            while (m_pos < n && m_text[m_pos] != '\n' && m_text[m_pos] != '\0')
                ++m_pos;
        }
        if (m_text[m_pos] == '"') {
            const qsizetype start = ++m_pos;
            while (m_pos < n && m_text[m_pos] != '"' && m_text[m_pos] != '\0')
                ++m_pos;
            const QByteArrayView token = m_text.sliced(start, m_pos - start);
            if (m_pos < n)
                ++m_pos; // the closing quote, or the NUL the engine steps over
            return token;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && !isBlank(m_text[m_pos]))
            ++m_pos;
        return m_text.sliced(start, m_pos - start);
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

bool isMessageKey(QByteArrayView key)
{
    return key.compare(QByteArrayView("message"), Qt::CaseInsensitive) == 0;
}

// How the engine stores a value: "\n" is a line break; a backslash before anything else
// stays and the character after it is dropped.
QByteArray engineString(QByteArrayView value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
            out.append(value[i] == 'n' ? '\n' : '\\');
        } else {
            out.append(value[i]);
        }
    }
    return out;
}

// The first entity's message; nothing when it has none. Incomplete when the text ends
// before the entity does.
struct FirstEntity {
    bool whole = false;
    std::optional<QByteArray> message;
};

FirstEntity parseFirstEntity(QByteArrayView entities)
{
    FirstEntity result;
    Tokens tokens(entities);
    const std::optional<QByteArrayView> open = tokens.next();
    if (!open || !open->startsWith('{'))
        return result;
    for (;;) {
        const std::optional<QByteArrayView> key = tokens.next();
        if (!key)
            return result;
        if (key->startsWith('}')) {
            result.whole = true;
            return result;
        }
        const std::optional<QByteArrayView> value = tokens.next();
        if (!value || value->startsWith('}'))
            return {};
        if (isMessageKey(*key))
            result.message = engineString(*value);
    }
}

} // namespace

std::optional<QByteArray> firstEntityMessage(QByteArrayView entities)
{
    FirstEntity first = parseFirstEntity(entities);
    return first.whole ? std::move(first.message) : std::nullopt;
}

std::optional<QString> titleFromMessage(const QByteArray& message)
{
    QString text = decodeText(message);
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    text = text.simplified();
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

std::optional<QString> bspTitle(qint64 fileSize, const FileBytes& read)
{
    if (fileSize < kHeaderSize)
        return std::nullopt;
    const std::optional<QByteArray> header = read(0, kHeaderSize);
    if (!header || header->size() < kHeaderSize || !header->startsWith("IBSP")
        || le32(header->constData() + 4) != kBspVersion)
        return std::nullopt;
    const qint64 offset = le32(header->constData() + 8);
    const qint64 length = le32(header->constData() + 12);
    if (offset < 0 || length <= 0 || offset > fileSize - length)
        return std::nullopt;

    for (qint64 window = qMin(length, kFirstEntityWindow);; window = qMin(length, kMaxEntityBytes)) {
        const std::optional<QByteArray> text = read(offset, window);
        if (!text || text->size() < window)
            return std::nullopt;
        FirstEntity first = parseFirstEntity(*text);
        if (first.whole)
            return first.message ? titleFromMessage(*first.message) : std::nullopt;
        if (window == length || window == kMaxEntityBytes)
            return std::nullopt;
    }
}

std::optional<QString> bspTitle(QByteArrayView bsp)
{
    return bspTitle(bsp.size(), [bsp](qint64 offset, qint64 length) -> std::optional<QByteArray> {
        if (offset < 0 || length < 0 || offset > bsp.size())
            return std::nullopt;
        return bsp.sliced(offset, qMin(length, bsp.size() - offset)).toByteArray();
    });
}

} // namespace tk
