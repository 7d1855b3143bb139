#include "platform/ReadingFont.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>

namespace tw {

namespace {

const QString kAndika = QStringLiteral("Andika");
const char kAndikaFolder[] = "/usr/share/fonts/truetype/andika";

struct FontState
{
    bool tried = false;
    bool loaded = false;
};

FontState &state()
{
    static FontState s;
    return s;
}

} // namespace

bool loadReadingFont(const QString &folder)
{
    FontState &s = state();
    s.tried = true;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("Andika*.ttf")}, QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(kAndika))
            s.loaded = true;
    }
    return s.loaded;
}

QString readingFamily()
{
    FontState &s = state();
    if (!s.tried && !loadReadingFont(QString::fromLatin1(kAndikaFolder))) {
        // Installed somewhere else, perhaps: the font database knows.
        s.loaded = QFontDatabase::families().contains(kAndika);
        if (!s.loaded)
            qWarning("Tumblewick: the reading font Andika is not installed (Debian package "
                     "fonts-sil-andika); captions use a plain sans-serif font instead.");
    }
    if (s.loaded)
        return kAndika;
    for (const char *fallback : {"URW Gothic", "DejaVu Sans"}) {
        if (QFontDatabase::families().contains(QLatin1String(fallback)))
            return QLatin1String(fallback);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont readingFont(double points, QFont::Weight weight)
{
    QFont font(readingFamily());
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace tw
