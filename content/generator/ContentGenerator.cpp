#include "ContentGenerator.h"

#include "CursorArtist.h"
#include "PictureArtist.h"
#include "Recipe.h"
#include "SceneArtist.h"
#include "SpeechRenderer.h"
#include "VectorArt.h"
#include "WaveFile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>

namespace tw::content {

namespace {

const char *const SoundsFolder = "Sounds";
const char *const BackgroundFolder = "Background";

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

ContentGenerator::ContentGenerator(const Options &options)
    : m_options(options)
{ }

QString ContentGenerator::absolute(const QString &relativePath) const
{
    return QDir(m_options.outDir).filePath(relativePath);
}

void ContentGenerator::warn(const QString &message)
{
    ++m_warnings;
    err() << "content: warning: " << message << Qt::endl;
}

bool ContentGenerator::fail(const QString &message)
{
    err() << "content: error: " << message << Qt::endl;
    return false;
}

bool ContentGenerator::saveBytes(const QByteArray &bytes, const QString &relativePath)
{
    const QString path = absolute(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    m_written.append(relativePath);
    return true;
}

bool ContentGenerator::saveImage(const QImage &image, const QString &relativePath,
                                 const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return fail(QStringLiteral("cannot encode %1").arg(relativePath));
    return saveBytes(bytes, relativePath);
}

bool ContentGenerator::writePictures(const Recipe &recipe, const PictureArtist &artist,
                                     const VectorArt &vector)
{
    QStringList standIns;
    int count = 0;
    int vectors = 0;
    for (const RecipeEntry &entry : recipe.entries) {
        if (entry.kind == ArtKind::Scene)
            continue;
        const QString base = entry.subject + QLatin1Char('/') + entry.name;
        // Vector artwork is shipped as it is: the program draws it at the size each tile needs.
        if (entry.kind == ArtKind::Emoji && vector.available()) {
            const QByteArray svg = vector.svgFor(entry.text);
            if (!svg.isEmpty()) {
                if (!saveBytes(svg, base + QLatin1String(".svg")))
                    return false;
                ++count;
                ++vectors;
                continue;
            }
        }
        QImage picture = entry.kind == ArtKind::Painted ? artist.drawPainted(entry.text)
                                                        : artist.drawEmoji(entry.text);
        if (picture.isNull()) {
            if (entry.kind == ArtKind::Painted)
                return fail(QStringLiteral("recipe line %1: no drawing called \"%2\"")
                                .arg(entry.line)
                                .arg(entry.text));
            standIns.append(entry.name);
            picture = artist.drawNameCard(entry.name,
                                          vector.available() ? PictureArtist::LargePictureSize
                                                             : PictureArtist::PictureSize);
        }
        if (!saveImage(picture, base + QLatin1String(".png"), "PNG"))
            return false;
        ++count;
    }
    if (!standIns.isEmpty()) {
        warn(QStringLiteral("no artwork for %1 picture(s), written as name cards: %2")
                 .arg(standIns.size())
                 .arg(standIns.join(QStringLiteral(", "))));
    }
    out() << "content: " << count << " pictures, " << vectors << " of them vector (SVG)"
          << Qt::endl;
    return true;
}

bool ContentGenerator::writeBackgrounds(const Recipe &recipe, const PictureArtist &artist)
{
    const SceneArtist scenes(artist);
    int count = 0;
    for (const RecipeEntry &entry : recipe.subject(QString::fromLatin1(BackgroundFolder))) {
        QString error;
        QStringList missing;
        const QImage image = scenes.paint(entry.sceneKeys, &error, &missing);
        if (image.isNull())
            return fail(QStringLiteral("recipe line %1: %2").arg(entry.line).arg(error));
        if (!missing.isEmpty())
            warn(QStringLiteral("background %1 drawn without %2 glyph(s) the font lacks")
                     .arg(entry.name)
                     .arg(missing.size()));
        // Bitmaps keep the colours exact, which the colouring book's colour classes rely on.
        if (!saveImage(image,
                       QString::fromLatin1(BackgroundFolder) + QLatin1Char('/') + entry.name
                           + QLatin1String(".bmp"),
                       "BMP")) {
            return false;
        }
        ++count;
    }
    out() << "content: " << count << " backgrounds" << Qt::endl;
    return true;
}

bool ContentGenerator::writeFeedbackSounds()
{
    return saveBytes(WaveFile::encode(WaveFile::chimes()), QStringLiteral("Chimes.wav"))
        && saveBytes(WaveFile::encode(WaveFile::tryAgain()), QStringLiteral("Error.wav"));
}

bool ContentGenerator::writeCursors()
{
    for (const CursorArtist::Cursor &cursor : CursorArtist::all()) {
        if (!saveBytes(CursorArtist::encode(cursor.image, cursor.hotspot), cursor.fileName))
            return false;
    }
    return true;
}

bool ContentGenerator::writeSpokenWords(const Recipe &recipe)
{
    const QString soundsDir = absolute(QString::fromLatin1(SoundsFolder));
    if (!QDir().mkpath(soundsDir))
        return fail(QStringLiteral("cannot create %1").arg(soundsDir));
    QList<SpeechRenderer::Job> jobs;
    for (const RecipeEntry &entry : recipe.entries) {
        if (!spokenSubjects().contains(entry.subject))
            continue;
        const QString relative = QString::fromLatin1(SoundsFolder) + QLatin1Char('/') + entry.name
            + QLatin1String(".wav");
        jobs.append({entry.spoken, absolute(relative)});
        m_written.append(relative);
    }
    const SpeechRenderer speech(m_options.espeak, m_options.parallel);
    if (!speech.available()) {
        warn(QStringLiteral("espeak-ng is not installed: the %1 word sounds are soft tones instead "
                            "of spoken words (install espeak-ng and rebuild to hear the words)")
                 .arg(jobs.size()));
    }
    QString error;
    const QStringList toned = speech.render(jobs, &error);
    if (!error.isEmpty())
        return fail(error);
    if (speech.available() && !toned.isEmpty()) {
        warn(QStringLiteral("espeak-ng could not speak %1 word(s), written as soft tones: %2")
                 .arg(toned.size())
                 .arg(toned.join(QStringLiteral(", "))));
    }
    out() << "content: " << jobs.size() - toned.size() << " spoken words";
    if (speech.available())
        out() << " (" << speech.program() << ")";
    out() << Qt::endl;
    return true;
}

void ContentGenerator::removeStaleFiles()
{
    if (m_options.manifestPath.isEmpty())
        return;
    QFile previous(m_options.manifestPath);
    if (previous.open(QIODevice::ReadOnly)) {
        const QDir root(m_options.outDir);
        const QStringList now(m_written.begin(), m_written.end());
        const QStringList before = QString::fromUtf8(previous.readAll()).split(QLatin1Char('\n'));
        for (const QString &relative : before) {
            // Only plain relative paths inside the content folder are ever removed.
            if (relative.isEmpty() || now.contains(relative) || QDir::isAbsolutePath(relative)
                || relative.contains(QLatin1String(".."))) {
                continue;
            }
            if (QFile::remove(root.filePath(relative)))
                out() << "content: removed " << relative << " (no longer in the recipe)"
                      << Qt::endl;
        }
        previous.close();
    }
    QSaveFile manifest(m_options.manifestPath);
    if (!manifest.open(QIODevice::WriteOnly)
        || manifest.write(m_written.join(QLatin1Char('\n')).toUtf8() + '\n') < 0
        || !manifest.commit()) {
        warn(QStringLiteral("cannot write %1").arg(m_options.manifestPath));
    }
}

bool ContentGenerator::run()
{
    QElapsedTimer clock;
    clock.start();
    const Recipe recipe = Recipe::load(m_options.recipePath);
    if (!recipe.error.isEmpty())
        return fail(recipe.error);
    if (!QDir().mkpath(m_options.outDir))
        return fail(QStringLiteral("cannot create the content folder %1").arg(m_options.outDir));
    out() << "content: generating " << QDir(m_options.outDir).absolutePath() << Qt::endl;

    const VectorArt vector(m_options.vectorArtDir);
    if (!vector.available())
        warn(QStringLiteral("no vector artwork (%1; tools/install-deps.sh fetches it): the "
                            "pictures are drawn from the emoji font instead, small and blurry "
                            "when shown large")
                 .arg(vector.why()));
    const PictureArtist artist(&vector);
    if (!vector.available() && !artist.hasEmojiFont())
        warn(QStringLiteral("the font \"Noto Color Emoji\" is not installed (Debian package "
                            "fonts-noto-color-emoji): pictures are drawn as name cards"));
    m_written.clear();
    if (!writePictures(recipe, artist, vector) || !writeBackgrounds(recipe, artist)
        || !writeFeedbackSounds() || !writeCursors() || !writeSpokenWords(recipe)) {
        return false;
    }
    removeStaleFiles();
    out() << "content: done, " << m_written.size() << " files in "
          << QString::number(clock.elapsed() / 1000.0, 'f', 1) << " s";
    if (m_warnings > 0)
        out() << " with " << m_warnings << " warning(s)";
    out() << Qt::endl;
    return true;
}

} // namespace tw::content
