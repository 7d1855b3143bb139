// ContentGenerator: builds the whole content folder (pictures, backgrounds, sounds, cursors)
// from the recipe.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace tw::content {

class PictureArtist;
class VectorArt;
struct Recipe;

class ContentGenerator
{
public:
    struct Options
    {
        QString recipePath; // content/recipe.tsv
        QString outDir; // the content folder to fill (AppFolder)
        QString manifestPath; // list of the files written last time, to remove ones no longer made
        QString espeak; // espeak-ng program; empty looks it up on PATH
        QString vectorArtDir; // the unpacked artwork packages (see VectorArt)
        int parallel = 3; // speech synthesisers run at once
    };

    explicit ContentGenerator(const Options &options);

    // Generates everything. Prints progress and warnings; returns false (after printing why) only
    // for faults that leave the folder unusable: a broken recipe or an unwritable folder. A missing
    // speech synthesiser or emoji glyph gives stand-in content and a warning instead.
    bool run();

private:
    bool writePictures(const Recipe &recipe, const PictureArtist &artist, const VectorArt &vector);
    bool writeBackgrounds(const Recipe &recipe, const PictureArtist &artist);
    bool writeFeedbackSounds();
    bool writeCursors();
    bool writeSpokenWords(const Recipe &recipe);
    bool saveImage(const QImage &image, const QString &relativePath, const char *format);
    bool saveBytes(const QByteArray &bytes, const QString &relativePath);
    void removeStaleFiles();
    QString absolute(const QString &relativePath) const;
    void warn(const QString &message);
    bool fail(const QString &message);

    Options m_options;
    QStringList m_written; // paths relative to the content folder
    int m_warnings = 0;
};

} // namespace tw::content
