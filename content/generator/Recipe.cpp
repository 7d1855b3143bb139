#include "Recipe.h"

#include <QFile>
#include <QRegularExpression>

namespace tw::content {

namespace {

constexpr char32_t RegionalIndicatorA = 0x1F1E6;
constexpr char32_t MaxCodePoint = 0x10FFFF;

// A picture name is a plain word: a capital letter, then letters.
bool isPlainName(const QString &name)
{
    static const QRegularExpression word(QStringLiteral("^[A-Z][A-Za-z]*$"));
    return word.match(name).hasMatch();
}

QString lineError(int line, const QString &what)
{
    return QStringLiteral("recipe line %1: %2").arg(line).arg(what);
}

} // namespace

const QStringList &spokenSubjects()
{
    static const QStringList subjects {QStringLiteral("Misc"), QStringLiteral("Animals"),
                                       QStringLiteral("Fruit_Veg"), QStringLiteral("Transport")};
    return subjects;
}

const QStringList &knownSubjects()
{
    static const QStringList subjects
        = spokenSubjects() + QStringList {QStringLiteral("Flags"), QStringLiteral("Background")};
    return subjects;
}

QString codePointsToText(const QString &hexList)
{
    const QStringList parts
        = hexList.split(QRegularExpression(QStringLiteral("[\\s-]+")), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    QList<char32_t> codes;
    for (const QString &part : parts) {
        bool ok = false;
        const uint code = part.toUInt(&ok, 16);
        if (!ok || code == 0 || code > MaxCodePoint)
            return {};
        codes.append(char32_t(code));
    }
    return QString::fromUcs4(codes.constData(), codes.size());
}

QString flagText(const QString &isoCode)
{
    if (isoCode.size() != 2)
        return {};
    char32_t codes[2];
    for (int i = 0; i < 2; ++i) {
        const QChar c = isoCode.at(i).toUpper();
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return {};
        codes[i] = RegionalIndicatorA + char32_t(c.unicode() - 'A');
    }
    return QString::fromUcs4(codes, 2);
}

QList<RecipeEntry> Recipe::subject(const QString &name) const
{
    QList<RecipeEntry> result;
    for (const RecipeEntry &entry : entries) {
        if (entry.subject == name)
            result.append(entry);
    }
    return result;
}

Recipe Recipe::parse(const QString &text)
{
    Recipe recipe;
    QStringList seen; // names in upper case: a name may appear only once in the whole recipe
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3 || fields.size() > 4) {
            recipe.error
                = lineError(lineNo, QStringLiteral("expected 3 or 4 tab-separated fields"));
            return recipe;
        }
        RecipeEntry entry;
        entry.line = lineNo;
        entry.subject = fields.at(0).trimmed();
        entry.name = fields.at(1).trimmed();
        const QString art = fields.at(2).trimmed();
        entry.spoken = fields.size() == 4 ? fields.at(3).trimmed() : QString();
        if (entry.spoken.isEmpty())
            entry.spoken = entry.name;

        if (!knownSubjects().contains(entry.subject)) {
            recipe.error
                = lineError(lineNo, QStringLiteral("unknown subject \"%1\"").arg(entry.subject));
            return recipe;
        }
        if (!isPlainName(entry.name)) {
            recipe.error = lineError(
                lineNo, QStringLiteral("\"%1\" is not a plain capitalised word").arg(entry.name));
            return recipe;
        }
        if (seen.contains(entry.name.toUpper())) {
            recipe.error = lineError(
                lineNo, QStringLiteral("the name \"%1\" is used twice").arg(entry.name));
            return recipe;
        }
        seen.append(entry.name.toUpper());

        const bool isBackground = entry.subject == QLatin1String("Background");
        if (art.startsWith(QLatin1String("scene "))) {
            entry.kind = ArtKind::Scene;
            entry.sceneKeys = art.mid(6).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (art.startsWith(QLatin1String("painted "))) {
            entry.kind = ArtKind::Painted;
            entry.text = art.mid(8).trimmed();
        } else if (art.startsWith(QLatin1String("flag "))) {
            entry.text = flagText(art.mid(5).trimmed());
        } else {
            entry.text = codePointsToText(art);
        }
        if (entry.kind == ArtKind::Emoji && entry.text.isEmpty()) {
            recipe.error = lineError(lineNo, QStringLiteral("cannot read the art \"%1\"").arg(art));
            return recipe;
        }
        if (isBackground != (entry.kind == ArtKind::Scene)) {
            recipe.error
                = lineError(lineNo, QStringLiteral("scenes belong to Background, and only scenes"));
            return recipe;
        }
        recipe.entries.append(entry);
    }
    return recipe;
}

Recipe Recipe::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Recipe recipe;
        recipe.error
            = QStringLiteral("cannot read the recipe %1: %2").arg(path, file.errorString());
        return recipe;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

} // namespace tw::content
