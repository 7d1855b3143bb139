#include "speech/CharacterFile.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSvgRenderer>

namespace tw {

namespace {

constexpr int kFormatVersion = 1;
// Character files are a few lines; art is a few kilobytes. Anything far larger
// is not a character file and is refused before it is read.
constexpr qint64 kMaxCharacterFileBytes = 64 * 1024;
constexpr qint64 kMaxArtBytes = 2 * 1024 * 1024;
constexpr int kMinSize = 48;
constexpr int kMaxSize = 400;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// Reads one art file named in the character file: a plain file name in the
// same folder, no path, holding an SVG document that renders.
bool readArt(const QString &folder, const QString &fileName, QByteArray *svg, QString *error)
{
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\')
        || fileName == u".." || fileName == u".")
        return fail(error,
                    QStringLiteral("art must be a file name in the same folder: %1").arg(fileName));
    // A FIFO, a device or a link to one is refused rather than waited on or
    // read without end.
    const FileBytes art = readRegularFile(QDir(folder).filePath(fileName), kMaxArtBytes);
    if (!art.ok())
        return fail(error, QStringLiteral("art file refused: %1").arg(art.refusal));
    *svg = art.bytes;
    QSvgRenderer renderer(*svg);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return fail(error, QStringLiteral("art does not render: %1").arg(fileName));
    return true;
}

bool readColour(const QHash<QString, QString> &keys, const QString &key, QColor *colour,
                QString *error)
{
    const auto it = keys.find(key);
    if (it == keys.end())
        return true; // optional, the default stays
    const QColor c = QColor::fromString(*it);
    if (!c.isValid())
        return fail(error, QStringLiteral("%1 is not a colour: %2").arg(key, *it));
    *colour = c;
    return true;
}

bool readNumber(const QHash<QString, QString> &keys, const QString &key, double low, double high,
                double *value, QString *error)
{
    const auto it = keys.find(key);
    if (it == keys.end())
        return true;
    bool ok = false;
    const double v = it->toDouble(&ok);
    // NaN fails every comparison, so the range is asked the other way round.
    if (!ok || !(v >= low && v <= high))
        return fail(error,
                    QStringLiteral("%1 must be a number from %2 to %3: %4")
                        .arg(key)
                        .arg(low)
                        .arg(high)
                        .arg(*it));
    *value = v;
    return true;
}

} // namespace

std::optional<CharacterFile> CharacterFile::read(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path)) {
        fail(error, QStringLiteral("no such character file: %1").arg(path));
        return std::nullopt;
    }
    const FileBytes file = readRegularFile(path, kMaxCharacterFileBytes);
    if (!file.ok()) {
        fail(error, QStringLiteral("character file refused: %1").arg(file.refusal));
        return std::nullopt;
    }
    return parse(file.bytes, QFileInfo(path).absolutePath(), error);
}

std::optional<CharacterFile> CharacterFile::parse(const QByteArray &content, const QString &folder,
                                                  QString *error)
{
    if (content.contains('\0')) {
        fail(error, QStringLiteral("not a text file"));
        return std::nullopt;
    }
    // Lines "Key=Value" under the section "[Character]"; ';' and '#' start
    // comment lines; keys are case-insensitive.
    QHash<QString, QString> keys;
    bool inSection = false;
    bool sawSection = false;
    const QStringList lines = QString::fromUtf8(content).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']')) {
                fail(error, QStringLiteral("line %1: unclosed section").arg(i + 1));
                return std::nullopt;
            }
            inSection = line.compare(u"[Character]", Qt::CaseInsensitive) == 0;
            sawSection = sawSection || inSection;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            fail(error, QStringLiteral("line %1: expected Key=Value").arg(i + 1));
            return std::nullopt;
        }
        if (inSection)
            keys.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed());
    }
    if (!sawSection) {
        fail(error, QStringLiteral("no [Character] section"));
        return std::nullopt;
    }
    if (keys.value(QStringLiteral("format")) != QString::number(kFormatVersion)) {
        fail(error, QStringLiteral("unknown format (expected Format=%1)").arg(kFormatVersion));
        return std::nullopt;
    }

    CharacterFile c;
    c.name = keys.value(QStringLiteral("name"));
    if (c.name.isEmpty()) {
        fail(error, QStringLiteral("the character has no Name"));
        return std::nullopt;
    }
    static const char *const lookKeys[kCharacterLooks] = {"idle", "speaking", "attention"};
    for (int look = 0; look < kCharacterLooks; ++look) {
        const QString key = QString::fromLatin1(lookKeys[look]);
        if (!readArt(folder, keys.value(key), &c.art[size_t(look)], error))
            return std::nullopt;
    }
    double size = c.size;
    if (!readColour(keys, QStringLiteral("balloon"), &c.balloon, error)
        || !readColour(keys, QStringLiteral("outline"), &c.outline, error)
        || !readColour(keys, QStringLiteral("text"), &c.text, error)
        || !readNumber(keys, QStringLiteral("pitch"), -1.0, 1.0, &c.pitch, error)
        || !readNumber(keys, QStringLiteral("rate"), -1.0, 1.0, &c.rate, error)
        || !readNumber(keys, QStringLiteral("size"), kMinSize, kMaxSize, &size, error))
        return std::nullopt;
    c.size = int(size);
    return c;
}

} // namespace tw
