#include "shell/SettingsFile.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace tw {

namespace {

constexpr int kTimesTables[] = {2, 3, 4, 5, 7, 10, 12};
constexpr int kWordLengths[] = {3, 4, 5, 6, 7, 8, 10, 20};
constexpr int kPuzzleSizes[] = {0, 1, 2, 3, 4, 5, 6, 7, 12, 17};
constexpr int kMaxSpeakers = 10;
constexpr int kLastGameId = 13;

template<size_t N>
bool oneOf(int v, const int (&set)[N])
{
    return std::find(std::begin(set), std::end(set), v) != std::end(set);
}

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The text of a settings file: UTF-8 when it is valid, else the 8-bit text a
// Windows installation writes.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
    {
        if (bytes.size() > kSettingsMaxFileBytes)
            return;
        const QString text = decode(bytes);
        qsizetype from = 0;
        while (from < text.size()) {
            qsizetype to = text.indexOf(QLatin1Char('\n'), from);
            if (to < 0)
                to = text.size();
            QString line = text.mid(from, to - from);
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            m_lines << line;
            from = to + 1;
        }
    }

    // The next line up to its first comma; nothing past the end or for an
    // over-long line.
    std::optional<QString> field()
    {
        if (m_next >= m_lines.size())
            return std::nullopt;
        const QString &line = m_lines[m_next++];
        if (line.size() > kSettingsMaxLineChars)
            return std::nullopt;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        return comma < 0 ? line : line.left(comma);
    }

    std::optional<int> number()
    {
        const auto f = field();
        if (!f)
            return std::nullopt;
        const QString t = f->trimmed();
        if (t.isEmpty() || t.size() > 11)
            return std::nullopt;
        bool ok = false;
        const int v = t.toInt(&ok);
        return ok ? std::optional<int>(v) : std::nullopt;
    }

private:
    QList<QString> m_lines;
    qsizetype m_next = 0;
};

QByteArray numberText(int v)
{
    // The sign position holds a space for a number that is not negative.
    return (v >= 0 ? QByteArray(" ") : QByteArray()) + QByteArray::number(v);
}

QByteArray stringText(const QString &s)
{
    QString t = s;
    t.remove(QLatin1Char('\r'));
    t.remove(QLatin1Char('\n'));
    return t.toUtf8();
}

} // namespace

SettingsParse parseSettings(const QByteArray &text)
{
    SettingsParse out;
    SettingsValues &v = out.values;
    Reader in(text);

    // Each step reads one field into `target` when it is valid; the first
    // failure ends the read.
    bool ok = true;
    auto num = [&](int &target, auto valid) {
        if (!ok)
            return;
        const auto n = in.number();
        if (!n || !valid(*n)) {
            ok = false;
            return;
        }
        target = *n;
        ++out.fieldsRead;
    };
    auto str = [&](QString &target) {
        if (!ok)
            return;
        const auto s = in.field();
        if (!s) {
            ok = false;
            return;
        }
        target = *s;
        ++out.fieldsRead;
    };
    const auto any = [](int) { return true; };
    const auto maxIndex = [](int n) { return inRange(n, 0, 4); };
    const auto table = [](int n) { return oneOf(n, kTimesTables); };

    num(v.AddMax, maxIndex);
    num(v.DivMax, table);
    num(v.Letters, [](int n) { return oneOf(n, kWordLengths); });
    num(v.Limit, maxIndex);
    num(v.MulMax, table);
    num(v.Size, [](int n) { return oneOf(n, kPuzzleSizes); });
    num(v.SpeakerCount, [](int n) { return inRange(n, 0, kMaxSpeakers); });
    if (ok && v.SpeakerCount > 0)
        num(v.Speaker, [](int n) { return inRange(n, 1, kMaxSpeakers); });
    else if (ok)
        ++out.fieldsRead; // no character line
    num(v.SubMax, maxIndex);
    num(v.Kbd, [](int n) { return inRange(n, 1, 3); });
    for (int *flag : {&v.AddOn, &v.DivOn, &v.MulOn, &v.SpkOn, &v.SubOn})
        num(*flag, any);
    for (int &flag : v.PairSubject)
        num(flag, any);
    for (int &flag : v.SpellSubject)
        num(flag, any);
    for (int &flag : v.Required)
        num(flag, any);
    num(v.LastGame, [](int n) { return inRange(n, 0, kLastGameId); });
    str(v.BackdropFile);
    str(v.StoredPassword);
    num(v.ColourBlackWhite, any);
    num(v.Colour, any);
    return out;
}

QByteArray writeSettings(const SettingsValues &v)
{
    QList<QByteArray> lines;
    for (int n : {v.AddMax, v.DivMax, v.Letters, v.Limit, v.MulMax, v.Size, v.SpeakerCount})
        lines << numberText(n);
    if (v.SpeakerCount > 0)
        lines << numberText(v.Speaker);
    for (int n : {v.SubMax, v.Kbd, v.AddOn, v.DivOn, v.MulOn, v.SpkOn, v.SubOn})
        lines << numberText(n);
    for (int n : v.PairSubject)
        lines << numberText(n);
    for (int n : v.SpellSubject)
        lines << numberText(n);
    for (int n : v.Required)
        lines << numberText(n);
    lines << numberText(v.LastGame) << stringText(v.BackdropFile) << stringText(v.StoredPassword)
          << numberText(v.ColourBlackWhite) << numberText(v.Colour);

    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace tw
