// VectorArt: the SVG sources of the shipped pictures: Noto emoji artwork and country flags.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

namespace tw::content {

class VectorArt
{
public:
    // Reads the unpacked npm packages below `folder`: "noto" (@iconify-json/noto) and
    // "flag-icons". Check available() and, when false, why() says what is missing.
    explicit VectorArt(const QString &folder);

    bool available() const { return m_why.isEmpty(); }
    QString why() const { return m_why; }

    // A complete SVG document of the emoji or flag `glyphs` stands for (a code point sequence
    // as in the recipe); empty when the packages have no artwork for it.
    QByteArray svgFor(const QString &glyphs) const;

    // The SVG drawn to fit `size` on transparency, proportions kept and centred; null when the
    // document does not render.
    static QImage render(const QByteArray &svg, const QSize &size);

private:
    QByteArray emojiSvg(const QString &glyphs) const;
    QByteArray flagSvg(const QString &glyphs) const;

    QString m_flagsFolder;
    QHash<QString, QString> m_names; // "1f431" -> "cat-face"
    QHash<QString, QString> m_bodies; // icon name -> SVG body
    int m_width = 0; // the emoji viewBox
    int m_height = 0;
    QString m_why;
};

} // namespace tw::content
