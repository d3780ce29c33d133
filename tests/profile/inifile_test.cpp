// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/inifile.h"

#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

using tk::IniFile;

namespace {

const QString kIniData = QStringLiteral(TARRAKIND_TEST_DATA "/ini");

std::optional<QByteArray> fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(f.write(data), data.size());
}

int hexValue(char c)
{
    return QByteArray(1, c).toInt(nullptr, 16);
}

// Reads one escape of the case scripts' notation at s[i] == '\\'; advances i.
QByteArray unescapeOne(QByteArrayView s, qsizetype& i)
{
    const char c = i + 1 < s.size() ? s[i + 1] : '\0';
    i += 2;
    switch (c) {
    case 't':
        return "\t";
    case 'r':
        return "\r";
    case 'n':
        return "\n";
    case '\\':
    case '"':
        return QByteArray(1, c);
    case 'x': {
        const char b = char(hexValue(s[i]) * 16 + hexValue(s[i + 1]));
        i += 2;
        return QByteArray(1, b);
    }
    case '{': { // \{N:c}
        const qsizetype colon = s.sliced(i).toByteArray().indexOf(':') + i;
        const int count = s.sliced(i, colon - i).toByteArray().toInt();
        const char repeated = s[colon + 1];
        i = colon + 3;
        return QByteArray(count, repeated);
    }
    default:
        ADD_FAILURE() << "unknown escape \\" << c;
        return {};
    }
}

QByteArray unescapeField(QByteArrayView s)
{
    QByteArray out;
    for (qsizetype i = 0; i < s.size();) {
        if (s[i] == '\\')
            out += unescapeOne(s, i);
        else
            out += s[i++];
    }
    return out;
}

// The quoted strings of a result line, in order ("..." with the notation's escapes).
QList<QByteArray> quotedStrings(QByteArrayView line)
{
    QList<QByteArray> out;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] != '"') {
            ++i;
            continue;
        }
        QByteArray s;
        for (++i; i < line.size() && line[i] != '"';) {
            if (line[i] == '\\')
                s += unescapeOne(line, i);
            else
                s += line[i++];
        }
        ++i;
        out.append(s);
    }
    return out;
}

QStringList decodedAll(const QList<QByteArray>& names)
{
    QStringList out;
    for (const QByteArray& n : names)
        out.append(tk::decodeText(n));
    return out;
}

struct Step {
    QByteArray op;
    QList<QByteArray> result;
};

QList<QByteArray> scriptLines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<Step> expectedSteps(const QByteArray& text)
{
    QList<Step> steps;
    for (const QByteArray& line : scriptLines(text)) {
        if (line.startsWith("> "))
            steps.append({ line.mid(2), {} });
        else if ((line.startsWith("= ") || line.startsWith("| ")) && !steps.isEmpty())
            steps.last().result.append(line);
    }
    return steps;
}

// Where rules 1-8 (or sound behaviour) differ from the reference, the expectation under our
// rules, in the notation of expected.txt. A case that does not simply follow the reference
// needs one for every dump: its file bytes follow our rules.
struct Override {
    const char* caseName;
    const char* op;
    int occurrence;
    const char* result;
};

const Override kOverrides[] = {
    // Blanks and quotes go before the cut at 1023.
    { "07_long_values", "get\tinput.ini\tS\tq1023\tdef", 1, R"(= 1023 "\{1022:b}Z")" },
    // A line without "=" is no entry: the key is appended, the line kept.
    { "09_key_without_equals", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "JustAKey\r\n"
| "k=1\r\n"
| "=novalue-name\r\n"
| "= \r\n"
| "Trailing\r\n"
| "JustAKey=now\r\n")" },
    { "10_comments_semicolon", "dump\tinput.ini", 1, R"(= 0 bytes
| "; a comment before any section\r\n"
| "[S]\r\n"
| "; a comment\r\n"
| ";k=commented\r\n"
| "k=real ; not a comment\r\n"
| "   ;indented=yes\r\n"
| "x=1;2\r\n"
| "new=1\r\n"
| "[T]\r\n"
| ";only=comment\r\n")" },
    { "11_comments_hash", "dump\tinput.ini", 1, R"(= 0 bytes
| "# hash comment\r\n"
| "[S]\r\n"
| "#k=hashed\r\n"
| "# just text\r\n"
| "k2=v # trailing\r\n"
| "k=set\r\n")" },
    { "12_duplicate_keys", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "k=replaced\r\n"
| "K=second\r\n"
| " k = third\r\n"
| "other=1\r\n")" },
    { "13_duplicate_sections", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "a=1\r\n"
| "b=new\r\n"
| "c=added\r\n"
| "[T]\r\n"
| "t=1\r\n"
| "[s]\r\n"
| "a=2\r\n"
| "b=3\r\n")" },
    { "14_section_header_forms", "dump\tinput.ini", 1, R"(= 0 bytes
| "[ Padded ]\r\n"
| "p=2\r\n"
| "[Trail] ; comment\r\n"
| "t=1\r\n"
| "[Junk]after\r\n"
| "j=1\r\n"
| "   [Indented]   \r\n"
| "i=1\r\n"
| "[Two Words]\r\n"
| "w=1\r\n"
| "[a]b]\r\n"
| "ab=1\r\n"
| "[Unclosed\r\n"
| "u=1\r\n"
| "[]\r\n"
| "e=1\r\n"
| "[\tTab\t]\r\n"
| "tab=1\r\n")" },
    { "15_keys_before_any_section", "dump\tinput.ini", 1, R"(= 0 bytes
| "top=1\r\n"
| ";c\r\n"
| "[S]\r\n"
| "k=1\r\n"
| "top=3\r\n")" },
    { "15_keys_before_any_section", "dump\tinput.ini", 2, R"(= 0 bytes
| "top=2\r\n"
| ";c\r\n"
| "[S]\r\n"
| "k=1\r\n"
| "top=3\r\n")" },
    // Integers are whole decimal or 0x-hexadecimal values within 32 bits; nothing else.
    { "16_getint_spec_list", "getint\tinput.ini\tN\thx0\t77", 1, "= 77" },
    { "16_getint_spec_list", "getint\tinput.ini\tN\ttrail\t77", 1, "= 77" },
    { "16_getint_spec_list", "getint\tinput.ini\tN\talpha\t77", 1, "= 77" },
    { "16_getint_spec_list", "getint\tinput.ini\tN\tbig\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tumax\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tover\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tnegover\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tbig2\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\toct\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tbin\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\thexneg\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\thexbad\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\thexlong\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tsp2\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tfloat\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\texp\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tplusplus\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tspneg\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tminus\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tplus\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tneg0x\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tx\t77", 1, "= 77" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tlen30\t77", 1, "= 12" },
    { "17_getint_more_forms", "getint\tinput.ini\tN\tlen31\t77", 1, "= 12" },
    { "21_lf_only", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\n"
| "k=w\n"
| "k2 = v2 \n"
| "\n"
| "[T]\n"
| "t=1\n")" },
    { "22_cr_only", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\rk=v\rk2=v2\r[T]\rt=2\r")" },
    // The end-of-file mark stays last; the new key goes after the last non-blank line.
    { "24_no_final_newline_and_eof_marks", "dump\tctrlz2.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "n=1\r\n"
| "\x1A")" },
    { "25_utf8_bom", "dump\tinput.ini", 1, R"(= 0 bytes
| "\xEF\xBB\xBF[S]\r\n"
| "k=v\r\n"
| "u=caf\xC3\xA9\r\n"
| "k2=w\xC3\xA9\r\n")" },
    // Typed text is written as UTF-8; the other lines keep their bytes.
    { "26_ansi_non_ascii", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "latin=caf\xE9\r\n"
| "utf8=caf\xC3\xA9\r\n"
| "high=\x80\x81\x8D\x9F\xFF\r\n"
| "new=\xC3\xA9\xC3\xBC\r\n")" },
    { "27_tabs_and_blank_lines", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "\tKey\t=\tvalue\twith\ttab\t\r\n"
| "   \r\n"
| "\t\r\n"
| "k2=v2\r\n"
| "\r\n"
| "\r\n"
| "[T]\r\n"
| "  \r\n"
| "t=2\r\n")" },
    // Only the value of the written line changes; its key and spacing stay.
    { "28_replace_in_place", "dump\tinput.ini", 1, R"(= 0 bytes
| "; profile\r\n"
| "[ServerOptions]\r\n"
| "  FragLimit  =  200  \r\n"
| "TIMELIMIT=30\r\n"
| "\r\n"
| "; keep me\r\n"
| "[Other]\r\n"
| "x = 1\r\n")" },
    { "28_replace_in_place", "dump\tinput.ini", 2, R"(= 0 bytes
| "; profile\r\n"
| "[ServerOptions]\r\n"
| "  FragLimit  =  200  \r\n"
| "TIMELIMIT=45\r\n"
| "\r\n"
| "; keep me\r\n"
| "[Other]\r\n"
| "x = 1\r\n")" },
    // "150  " reads back as the stored "150": the file stays as it is.
    { "29_write_unchanged_value", "dump\tinput.ini", 3, R"(= 0 bytes
| "; profile\r\n"
| "[ServerOptions]\r\n"
| "  FragLimit  =  150  \r\n"
| "TIMELIMIT=30\r\n"
| "\r\n"
| "; keep me\r\n"
| "[Other]\r\n"
| "x = 1\r\n")" },
    { "30_append_key_before_next_section", "dump\tinput.ini", 1, R"(= 0 bytes
| "[A]\r\n"
| "a=1\r\n"
| "new=x\r\n"
| "\r\n"
| "\r\n"
| "[B]\r\n"
| "b=1\r\n")" },
    { "31_append_key_last_section_trailing_blanks", "dump\tinput.ini", 1, R"(= 0 bytes
| "[A]\r\n"
| "a=1\r\n"
| "[B]\r\n"
| "b=1\r\n"
| "new=x\r\n"
| "\r\n"
| "\r\n")" },
    { "32_append_key_after_comment_at_section_end", "dump\tinput.ini", 1, R"(= 0 bytes
| "[A]\r\n"
| "a=1\r\n"
| "; end of A\r\n"
| "NewKey=x\r\n"
| "[B]\r\n"
| "b=1\r\n")" },
    // Values are written verbatim; names without their surrounding blanks.
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "lead=   padded\r\n")" },
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 2, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "lead=   padded\r\n"
| "trail=padded   \r\n")" },
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 3, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "lead=   padded\r\n"
| "trail=padded   \r\n"
| "both=\t padded \t\r\n")" },
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 4, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "lead=   padded\r\n"
| "trail=padded   \r\n"
| "both=\t padded \t\r\n"
| "blank=   \r\n"
| "spacedkey=x\r\n")" },
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 5, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "lead=   padded\r\n"
| "trail=padded   \r\n"
| "both=\t padded \t\r\n"
| "blank=   \r\n"
| "spacedkey=x\r\n"
| "[Spaced Section]\r\n"
| "k=x\r\n")" },
    { "37_write_leading_trailing_blanks", "dump\tinput.ini", 6, R"(= 0 bytes
| "[S]\r\n"
| "k=last\r\n"
| "lead=   padded\r\n"
| "trail=padded   \r\n"
| "both=\t padded \t\r\n"
| "blank=   \r\n"
| "spacedkey=x\r\n"
| "[Spaced Section]\r\n"
| "k=x\r\n")" },
    // A line end inside a value is written as a blank: no line, no section is injected.
    { "39_write_special_characters", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "eq=a=b\r\n"
| "semi=;not a comment\r\n"
| "tab=a\tb\r\n"
| "empty=\r\n"
| "key=with=eq\r\n"
| ";ckey=c\r\n"
| "nl=line1  [Evil]  evil=1\r\n")" },
    { "39_write_special_characters", "get\tinput.ini\tS\tnl\tDEF", 1, R"(= 21 "line1  [Evil]  evil=1")" },
    { "39_write_special_characters", "get\tinput.ini\tEvil\tevil\tDEF", 1, R"(= 3 "DEF")" },
    { "39_write_special_characters", "sections\tinput.ini", 1, R"(= 2 [ "S" ])" },
    { "40_write_long_value", "dump\tinput.ini", 1, R"(= 0 bytes
| "[S]\r\n"
| "k=v\r\n"
| "v1023=\{1022:a}Z\r\n"
| "v1024=\{1023:a}Z\r\n"
| "v2000=\{1999:a}Z\r\n")" },
    { "41_write_utf8_bom_file", "dump\tinput.ini", 1, R"(= 0 bytes
| "\xEF\xBB\xBF; c\r\n"
| "[S]\r\n"
| "k = w\r\n"
| "\r\n")" },
    { "42_list_encoding_rewrite", "dump\tinput.ini", 1, R"(= 0 bytes
| "[Commands]\r\n"
| "Count=1\r\n"
| "n0=say new\r\n"
| "n1=say two\r\n"
| "n2=say three\r\n"
| "\r\n"
| "[Next]\r\n"
| "x=1\r\n")" },
};

struct CaseInfo {
    std::string name;
    std::string how;
};

std::vector<CaseInfo> manifest()
{
    std::vector<CaseInfo> cases;
    const std::optional<QByteArray> text = fileBytes(kIniData + QStringLiteral("/MANIFEST.tsv"));
    if (!text)
        return cases;
    const QList<QByteArray> lines = scriptLines(*text);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype tab = lines[i].indexOf('\t');
        if (tab > 0)
            cases.push_back({ lines[i].left(tab).toStdString(), lines[i].mid(tab + 1).toStdString() });
    }
    return cases;
}

void PrintTo(const CaseInfo& c, std::ostream* os)
{
    *os << c.name;
}

class IniReferenceCase : public ::testing::TestWithParam<CaseInfo> {
protected:
    void runStep(const QList<QByteArray>& f, const QList<QByteArray>& expected, bool followBytes);

    QString m_dir;
};

void IniReferenceCase::runStep(
    const QList<QByteArray>& f, const QList<QByteArray>& expected, bool followBytes)
{
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray& first = expected.first();
    const QByteArray& kind = f[0];
    if (kind == "acp")
        return;
    const QString path = m_dir + QLatin1Char('/') + QString::fromUtf8(f[1]);
    auto text = [&](int i) { return tk::decodeText(f[i]); };

    if (kind == "get") {
        const QString value = IniFile::load(path).readString(text(2), text(3), text(4));
        EXPECT_EQ(value, tk::decodeText(quotedStrings(first).value(0)));
    } else if (kind == "getint") {
        const int value = IniFile::load(path).readInt(text(2), text(3), f[4].toInt());
        EXPECT_EQ(value, first.mid(2).split(' ').first().toInt());
    } else if (kind == "keys") {
        EXPECT_EQ(IniFile::load(path).keyNames(text(2)), decodedAll(quotedStrings(first)));
    } else if (kind == "sections") {
        EXPECT_EQ(IniFile::load(path).sectionNames(), decodedAll(quotedStrings(first)));
    } else if (kind == "readonly") {
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (kind == "put") {
        const std::optional<QByteArray> before = fileBytes(path);
        IniFile ini = IniFile::load(path);
        ini.writeString(text(2), text(3), text(4));
        if (first == "= ok") {
            EXPECT_NO_THROW(ini.save(path));
        } else {
            ASSERT_TRUE(first.startsWith("= fail"));
            try {
                ini.save(path);
                ADD_FAILURE() << "the write should have been refused";
            } catch (const tk::UserError& e) {
                EXPECT_THAT(e.message(), IsWriteError("Unable to write to ", path));
            }
            EXPECT_EQ(fileBytes(path), before);
        }
    } else if (kind == "dump") {
        ASSERT_TRUE(followBytes) << "no expectation of the file bytes under our rules";
        std::optional<QByteArray> want;
        if (first != "= missing") {
            want = QByteArray();
            for (qsizetype i = 1; i < expected.size(); ++i)
                *want += quotedStrings(expected[i]).value(0);
        }
        EXPECT_EQ(fileBytes(path), want);
    } else {
        ADD_FAILURE() << "unknown operation " << kind.constData();
    }
}

TEST_P(IniReferenceCase, MatchesReference)
{
    const CaseInfo& c = GetParam();
    if (c.how.rfind("not applicable", 0) == 0)
        GTEST_SKIP() << c.how;
    // "follow", possibly with a note after a colon; "follow-reads" is another category.
    const bool follow = c.how == "follow" || c.how.rfind("follow:", 0) == 0;
    const QString caseDir = kIniData + QStringLiteral("/cases/") + QString::fromStdString(c.name);

    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    m_dir = tmp.path();
    const QStringList files = QDir(caseDir).entryList(QDir::Files);
    for (const QString& name : files) {
        if (name == QLatin1String("ops.txt") || name == QLatin1String("expected.txt"))
            continue;
        const QString copy = m_dir + QLatin1Char('/') + name;
        ASSERT_TRUE(QFile::copy(caseDir + QLatin1Char('/') + name, copy));
        QFile::setPermissions(
            copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    const std::optional<QByteArray> opsText = fileBytes(caseDir + QStringLiteral("/ops.txt"));
    const std::optional<QByteArray> expectedText = fileBytes(caseDir + QStringLiteral("/expected.txt"));
    ASSERT_TRUE(opsText && expectedText);
    QList<QByteArray> ops;
    for (const QByteArray& line : scriptLines(*opsText)) {
        if (!line.isEmpty() && !line.startsWith('#'))
            ops.append(line);
    }
    const QList<Step> steps = expectedSteps(*expectedText);
    ASSERT_EQ(ops.size(), steps.size());

    std::vector<const Override*> overrides;
    for (const Override& o : kOverrides) {
        if (c.name == o.caseName)
            overrides.push_back(&o);
    }
    std::vector<bool> used(overrides.size(), false);
    QHash<QByteArray, int> seen;
    for (qsizetype i = 0; i < ops.size(); ++i) {
        ASSERT_EQ(ops[i], steps[i].op);
        SCOPED_TRACE(ops[i].constData());
        const int occurrence = ++seen[ops[i]];
        QList<QByteArray> fields;
        for (const QByteArray& field : ops[i].split('\t'))
            fields.append(unescapeField(field));
        // A caller's buffer size is no part of our interface.
        if (fields[0] == "get" && fields.size() > 5)
            continue;
        QList<QByteArray> expected = steps[i].result;
        bool ours = false;
        for (size_t k = 0; k < overrides.size(); ++k) {
            if (ops[i] == overrides[k]->op && occurrence == overrides[k]->occurrence) {
                expected = QByteArray(overrides[k]->result).split('\n');
                used[k] = true;
                ours = true;
            }
        }
        runStep(fields, expected, follow || ours);
    }
    for (size_t k = 0; k < overrides.size(); ++k)
        EXPECT_TRUE(used[k]) << "unused expectation for " << overrides[k]->op;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniReferenceCase, ::testing::ValuesIn(manifest()),
    [](const ::testing::TestParamInfo<CaseInfo>& paramInfo) { return "case" + paramInfo.param.name; });

TEST(IniReferenceData, ManifestCoversEveryCase)
{
    QStringList listed;
    for (const CaseInfo& c : manifest())
        listed.append(QString::fromStdString(c.name));
    QStringList folders
        = QDir(kIniData + QStringLiteral("/cases")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    listed.sort();
    EXPECT_EQ(listed.size(), 42);
    EXPECT_EQ(listed, folders);
}

// Bad input: whatever the bytes, the document is kept as it is, missing keys read as their
// defaults, and a new section lands at the end without disturbing anything before it.
QByteArray garbage(qsizetype size)
{
    QByteArray out(size, '\0');
    quint32 seed = 12345;
    for (char& c : out) {
        seed = seed * 134775813u + 1u;
        c = char(seed >> 24);
    }
    return out;
}

struct BadInput {
    const char* name;
    QByteArray data;
    QByteArray newLineEnd; // what the last line gets before an appended section
};

void PrintTo(const BadInput& in, std::ostream* os)
{
    *os << in.name;
}

class IniBadInput : public ::testing::TestWithParam<BadInput> { };

TEST_P(IniBadInput, KeepsBytesAndReadsDefaults)
{
    const BadInput& in = GetParam();
    IniFile ini(in.data);
    EXPECT_EQ(ini.contents(), in.data);
    EXPECT_EQ(ini.readString(QStringLiteral("Tarrakind"), QStringLiteral("Missing"), QStringLiteral("def")),
        QStringLiteral("def"));
    EXPECT_EQ(ini.readInt(QStringLiteral("Tarrakind"), QStringLiteral("Missing"), 7), 7);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Tarrakind"), QStringLiteral("Missing"), true));
    for (const QString& s : ini.sectionNames())
        ini.keyNames(s);

    ini.writeString(QStringLiteral("Tarrakind"), QStringLiteral("Key"), QStringLiteral("v"));
    EXPECT_EQ(ini.contents(), in.data + in.newLineEnd + "[Tarrakind]\r\nKey=v\r\n");
    EXPECT_EQ(IniFile(ini.contents()).readString(QStringLiteral("tarrakind"), QStringLiteral("key"), {}),
        QStringLiteral("v"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, IniBadInput,
    ::testing::Values(BadInput { "BinaryGarbage", garbage(65536), "\r\n" },
        BadInput { "TenMegabyteLine", "[S]\r\nk=" + QByteArray(10 << 20, 'x') + "\r\n", "" },
        BadInput { "TenMegabyteUnclosedHeader", '[' + QByteArray(10 << 20, 'a'), "\r\n" },
        BadInput { "NulBytes", QByteArray("[S\0]\r\nk=a\0b\r\n\0=\0\r\n", 18), "" },
        BadInput { "NoFinalLineEnd", "[S]\r\nk=v", "\r\n" },
        BadInput { "CrOnly", "[S]\rk=v\r[T]\rt=1\r", "" }, BadInput { "OnlyBom", "\xEF\xBB\xBF", "" },
        BadInput { "OnlyBrackets", "[\r\n]\r\n[\r\n", "" }, BadInput { "Empty", "", "" }),
    [](const ::testing::TestParamInfo<BadInput>& paramInfo) { return std::string(paramInfo.param.name); });

TEST(IniBadInputReads, ValuesInOddFiles)
{
    struct Row {
        const char* name;
        QByteArray data;
        const char* section;
        const char* key;
        QString expected;
    };
    const Row rows[] = {
        { "long line cut", "[S]\r\nk=" + QByteArray(10 << 20, 'x') + "\r\nn=5", "S", "k",
            QString(1023, 'x') },
        { "key after a long line", "[S]\r\nk=" + QByteArray(10 << 20, 'x') + "\r\nn=5", "S", "n", "5" },
        { "NUL inside a value", QByteArray("[S]\r\nk=a\0b\r\n", 12), "S", "k", QString::fromUtf8("a\0b", 3) },
        { "CR-only line ends", "[S]\rk=v\r[T]\rt=1\r", "T", "t", "1" },
        { "no final line end", "[S]\r\nk=v", "S", "k", "v" },
        { "duplicate section: first copy only", "[S]\r\na=1\r\n[s]\r\na=2\r\nb=3\r\n", "S", "b", "def" },
        { "duplicate section: first copy", "[S]\r\na=1\r\n[s]\r\na=2\r\nb=3\r\n", "s", "a", "1" },
        { "non-ASCII names fold case", "[Caf\xC3\xA9]\r\n\xC3\x89t\xC3\xA9=1\r\n", "CAF\xC3\x89",
            "\xC3\xA9T\xC3\x89", "1" },
        { "Windows-1252 names fold case", "[Caf\xE9]\r\nk=2\r\n", "CAF\xC3\x89", "k", "2" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const IniFile ini(r.data);
        EXPECT_EQ(
            ini.readString(QString::fromUtf8(r.section), QString::fromUtf8(r.key), QStringLiteral("def")),
            r.expected);
    }
}

TEST(IniWrites, KeepLineEndsAndNeverBreakLines)
{
    struct Row {
        const char* name;
        QByteArray data;
        const char* section;
        const char* key;
        QString value;
        QByteArray after;
    };
    const Row rows[] = {
        { "replace keeps a CR line end", "[S]\rk=v\r[T]\rt=1\r", "T", "t", "2", "[S]\rk=v\r[T]\rt=2\r" },
        { "new line after a CR-only line", "[S]\rk=v\r[T]\rt=1\r", "S", "n", "1",
            "[S]\rk=v\rn=1\r\n[T]\rt=1\r" },
        { "new key after a last line without end", "[S]\r\nk=v", "S", "n", "1", "[S]\r\nk=v\r\nn=1\r\n" },
        { "new key into the first copy of a section", "[S]\r\na=1\r\n[s]\r\nb=3\r\n", "s", "b", "x",
            "[S]\r\na=1\r\nb=x\r\n[s]\r\nb=3\r\n" },
        { "line ends in a value become blanks", "[S]\r\n", "S", "k", "a\r\n[X]\nb\r",
            "[S]\r\nk=a  [X] b \r\n" },
        { "line ends in names become blanks", "", "A\nB", "k\r", "v", "[A B]\r\nk=v\r\n" },
        { "value with a NUL", "[S]\r\n", "S", "k", QString::fromUtf8("a\0b", 3),
            QByteArray("[S]\r\nk=a\0b\r\n", 12) },
        { "key before the first section", "[S]\r\nk=1\r\n", "", "top", "1", "top=1\r\n[S]\r\nk=1\r\n" },
        { "key before the first section, after a BOM", "\xEF\xBB\xBF[S]\r\n", "", "top", "1",
            "\xEF\xBB\xBFtop=1\r\n[S]\r\n" },
        { "quoted value replaced", "[B]\r\nn0=\"\"w\" \"+attack\"\"\r\n", "B", "n0", "\"\"e\" \"use\"\"",
            "[B]\r\nn0=\"\"e\" \"use\"\"\r\n" },
        { "same value as read: untouched", "[S]\r\nk = \"v\" \r\n", "S", "k", "v", "[S]\r\nk = \"v\" \r\n" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        IniFile ini(r.data);
        ini.writeString(QString::fromUtf8(r.section), QString::fromUtf8(r.key), r.value);
        EXPECT_EQ(ini.contents(), r.after);
    }
}

TEST(IniValues, IntegersAndBooleans)
{
    struct Row {
        const char* value;
        int expected;
    };
    const Row ints[] = {
        { "0x80000000", INT_MIN }, { "0xFFFFFFFF", -1 }, { "0x7fffffff", INT_MAX }, { "0x100000000", 77 },
        { "0x000000001", 1 }, { "0x1", 1 }, { "-2147483648", INT_MIN }, { "2147483647", INT_MAX },
        { "2147483648", 77 }, { "-0", 0 }, { "+0", 0 }, { "\"-12\"", -12 }, { "'  5'", 77 }, { "1_000", 77 },
        { "\xD9\xA3", 77 }, // an Arabic-Indic digit is no decimal digit here
    };
    for (const Row& r : ints) {
        SCOPED_TRACE(r.value);
        const IniFile ini(QByteArray("[N]\r\nv=") + r.value + "\r\n");
        EXPECT_EQ(ini.readInt(QStringLiteral("N"), QStringLiteral("v"), 77), r.expected);
    }

    struct BoolRow {
        const char* value;
        bool def;
        bool expected;
    };
    const BoolRow bools[] = {
        { "1", false, true },
        { "0", true, false },
        { "2", false, true },
        { "-1", false, true },
        { "0x0", true, false },
        { "yes", true, true },
        { "yes", false, false },
        { "", true, true },
    };
    for (const BoolRow& r : bools) {
        SCOPED_TRACE(r.value);
        const IniFile ini(QByteArray("[N]\r\nv=") + r.value + "\r\n");
        EXPECT_EQ(ini.readBool(QStringLiteral("N"), QStringLiteral("v"), r.def), r.expected);
    }

    IniFile ini;
    ini.writeInt(QStringLiteral("N"), QStringLiteral("i"), -5);
    ini.writeBool(QStringLiteral("N"), QStringLiteral("t"), true);
    ini.writeBool(QStringLiteral("N"), QStringLiteral("f"), false);
    ini.writeInt(QStringLiteral("N"), QStringLiteral("min"), INT_MIN);
    EXPECT_EQ(ini.contents(), QByteArray("[N]\r\ni=-5\r\nt=1\r\nf=0\r\nmin=-2147483648\r\n"));
}

TEST(IniValues, CutCountsCharactersNotBytes)
{
    struct Row {
        const char* name;
        const char* character; // UTF-8
    };
    const Row rows[] = { { "two bytes", "\xC3\xA9" }, { "outside the BMP", "\xF0\x9F\x98\x80" } };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QByteArray value;
        for (int i = 0; i < 1100; ++i)
            value += r.character;
        const IniFile ini("[S]\r\nk=" + value + "\r\n");
        const QString c = QString::fromUtf8(r.character);
        EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("k"), {}), c.repeated(1023));
    }
}

TEST(IniSave, RefusedWritesLeaveTheOldFile)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    IniFile ini;
    ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));

    const QString readOnly = tmp.filePath(QStringLiteral("readonly.tsf"));
    writeBytes(readOnly, "[S]\r\nk=old\r\n");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString notADir = tmp.filePath(QStringLiteral("file.tsf"));
    writeBytes(notADir, "x");

    const QString paths[] = {
        tmp.filePath(QStringLiteral("missing/dir/profile.tsf")),
        readOnly,
        notADir + QStringLiteral("/profile.tsf"),
        tmp.path(),
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(qPrintable(path));
        const std::optional<QByteArray> before = fileBytes(path);
        try {
            ini.save(path);
            ADD_FAILURE() << "the write should have been refused";
        } catch (const tk::UserError& e) {
            EXPECT_THAT(e.message(), IsWriteError("Unable to write to ", path));
        }
        EXPECT_EQ(fileBytes(path), before);
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({ QStringLiteral("file.tsf"), QStringLiteral("readonly.tsf") }));
}

TEST(IniSave, UnreadableFileIsNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("writeonly.tsf"));
    writeBytes(path, "[S]\r\nk=old\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    IniFile ini = IniFile::load(path);
    ini.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
    EXPECT_THROW(ini.save(path), tk::UserError);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(fileBytes(path), QByteArray("[S]\r\nk=old\r\n"));
}

TEST(IniSave, LoadAndSaveRoundTrip)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("profile.tsf"));
    EXPECT_TRUE(IniFile::load(path).contents().isEmpty());
    EXPECT_TRUE(IniFile::load(tmp.path()).contents().isEmpty());

    IniFile ini = IniFile::load(path);
    ini.writeString(QStringLiteral("Player"), QStringLiteral("Name"), QStringLiteral("Ren\u00E9"));
    ini.save(path);
    EXPECT_EQ(fileBytes(path), QByteArray("[Player]\r\nName=Ren\xC3\xA9\r\n"));
    EXPECT_EQ(IniFile::load(path).readString(QStringLiteral("player"), QStringLiteral("name"), {}),
        QStringLiteral("Ren\u00E9"));
}

} // namespace

namespace {

// Found by the fuzzer: a name beginning with the bytes of a byte order mark (not at the
// start of the file) lost them when decoded, so the listed name found no section.
TEST(IniNames, AByteOrderMarkInsideANameIsPartOfIt)
{
    tk::IniFile ini(QByteArray("[x]\r\n[\xEF\xBB\xBFPadded]\r\np=1\r\n"));
    const QStringList names = ini.sectionNames();
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(ini.readString(names[1], QStringLiteral("p"), QStringLiteral("none")), QStringLiteral("1"));
    ini.writeString(names[1], QStringLiteral("q"), QStringLiteral("2"));
    EXPECT_EQ(ini.contents(), QByteArray("[x]\r\n[\xEF\xBB\xBFPadded]\r\np=1\r\nq=2\r\n"));
    EXPECT_EQ(tk::decodeText("\xEF\xBB\xBFv"), QString(QChar(0xFEFF)) + QStringLiteral("v"));
}

} // namespace
