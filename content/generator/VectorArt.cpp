#include "VectorArt.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>

namespace tw::content {

namespace {

constexpr uint VariationSelector = 0xFE0F;
constexpr uint RegionalIndicatorA = 0x1F1E6;
constexpr uint RegionalIndicatorZ = 0x1F1FF;
constexpr uint BlackFlag = 0x1F3F4; // starts a subdivision flag: tags, then a cancel tag
constexpr uint TagA = 0xE0061;
constexpr uint TagZ = 0xE007A;
constexpr uint CancelTag = 0xE007F;
constexpr int CountryLetters = 2;
// Emoji documents claim this size; the program draws them at whatever size a tile needs.
constexpr int DocumentSide = 512;

QJsonObject readJson(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parse.errorString());
        return {};
    }
    return document.object();
}

// "1f431-200d-2b1b": the lower-case hex code points, the way the Noto package keys them.
QString codeKey(const QList<uint> &codes)
{
    QStringList parts;
    for (uint code : codes)
        parts.append(QString::number(code, 16));
    return parts.join(QLatin1Char('-'));
}

} // namespace

VectorArt::VectorArt(const QString &folder)
{
    if (folder.isEmpty()) {
        m_why = QStringLiteral("no artwork folder given");
        return;
    }
    const QDir root(folder);
    const QString noto = root.filePath(QStringLiteral("noto"));
    m_flagsFolder = root.filePath(QStringLiteral("flag-icons/flags/4x3"));
    QString error;
    const QJsonObject chars = readJson(QDir(noto).filePath(QStringLiteral("chars.json")), &error);
    const QJsonObject icons = error.isEmpty()
        ? readJson(QDir(noto).filePath(QStringLiteral("icons.json")), &error)
        : QJsonObject();
    if (error.isEmpty() && !QDir(m_flagsFolder).exists())
        error = QStringLiteral("no flags at %1").arg(m_flagsFolder);
    if (!error.isEmpty()) {
        m_why = error;
        return;
    }
    for (auto it = chars.begin(); it != chars.end(); ++it)
        m_names.insert(it.key(), it.value().toString());
    const QJsonObject bodies = icons.value(QLatin1String("icons")).toObject();
    for (auto it = bodies.begin(); it != bodies.end(); ++it)
        m_bodies.insert(it.key(), it.value().toObject().value(QLatin1String("body")).toString());
    // Plain aliases (no flips or rotations) name the same artwork.
    const QJsonObject aliases = icons.value(QLatin1String("aliases")).toObject();
    for (auto it = aliases.begin(); it != aliases.end(); ++it) {
        const QJsonObject alias = it.value().toObject();
        if (alias.size() == 1 && alias.contains(QLatin1String("parent")))
            m_bodies.insert(it.key(),
                            m_bodies.value(alias.value(QLatin1String("parent")).toString()));
    }
    m_width = icons.value(QLatin1String("width")).toInt();
    m_height = icons.value(QLatin1String("height")).toInt();
    if (m_bodies.isEmpty() || m_width <= 0 || m_height <= 0)
        m_why = QStringLiteral("%1 holds no emoji artwork").arg(noto);
}

QByteArray VectorArt::svgFor(const QString &glyphs) const
{
    if (!available())
        return {};
    const QByteArray flag = flagSvg(glyphs);
    return flag.isEmpty() ? emojiSvg(glyphs) : flag;
}

QByteArray VectorArt::emojiSvg(const QString &glyphs) const
{
    QList<uint> codes = glyphs.toUcs4();
    QString name = m_names.value(codeKey(codes));
    if (name.isEmpty()) {
        codes.removeAll(VariationSelector);
        name = m_names.value(codeKey(codes));
    }
    const QString body = m_bodies.value(name);
    if (body.isEmpty())
        return {};
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 %1 %2\" "
                          "width=\"%3\" height=\"%3\">%4</svg>\n")
        .arg(m_width)
        .arg(m_height)
        .arg(DocumentSide)
        .arg(body)
        .toUtf8();
}

// Two regional indicators name a country ("FR" -> fr.svg); a black flag followed by tag letters
// names a subdivision ("gbsct" -> gb-sct.svg).
QByteArray VectorArt::flagSvg(const QString &glyphs) const
{
    const QList<uint> codes = glyphs.toUcs4();
    QString file;
    if (codes.size() == CountryLetters && std::all_of(codes.begin(), codes.end(), [](uint c) {
            return c >= RegionalIndicatorA && c <= RegionalIndicatorZ;
        })) {
        for (uint c : codes)
            file.append(QChar(char16_t('a' + (c - RegionalIndicatorA))));
    } else if (codes.size() > CountryLetters + 2 && codes.first() == BlackFlag
               && codes.last() == CancelTag) {
        for (int i = 1; i + 1 < codes.size(); ++i) {
            if (codes[i] < TagA || codes[i] > TagZ)
                return {};
            if (i == CountryLetters + 1)
                file.append(QLatin1Char('-'));
            file.append(QChar(char16_t('a' + (codes[i] - TagA))));
        }
    } else {
        return {};
    }
    QFile svg(QDir(m_flagsFolder).filePath(file + QLatin1String(".svg")));
    return svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
}

QImage VectorArt::render(const QByteArray &svg, const QSize &size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    const QSizeF art = renderer.viewBoxF().size().scaled(QSizeF(size), Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(
        &painter,
        QRectF(QPointF((size.width() - art.width()) / 2, (size.height() - art.height()) / 2), art));
    return image;
}

} // namespace tw::content
