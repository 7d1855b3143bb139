// SceneArtist: paints the full-window background pictures described by "scene" recipe lines.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace tw::content {

class PictureArtist;

class SceneArtist
{
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;

    explicit SceneArtist(const PictureArtist &pictures);

    // Paints the scene of the KEY=VALUE words (see content/recipe.tsv). Returns a null image and
    // sets error for an unknown key or unreadable value. Glyphs the font lacks are left out and
    // listed in missingGlyphs.
    QImage paint(const QStringList &keys, QString *error, QStringList *missingGlyphs) const;

private:
    const PictureArtist &m_pictures;
};

} // namespace tw::content
