#include "common/FilePattern.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tw {

namespace {

// Iterative glob matching with one back-track point: linear in practice and
// never recursive, so a hostile pattern cannot blow the stack.
bool globMatch(QStringView name, QStringView pattern)
{
    qsizetype n = 0, p = 0;
    qsizetype starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()
            && (pattern[p] == QLatin1Char('?')
                || (pattern[p] != QLatin1Char('*')
                    && pattern[p].toCaseFolded() == name[n].toCaseFolded()))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

QStringList sortedByName(QStringList names)
{
    std::sort(names.begin(), names.end(), lessByName);
    return names;
}

} // namespace

bool wildcardMatch(const QString &name, const QString &pattern)
{
    if (globMatch(name, pattern))
        return true;
    // "Cat.*" also finds "Cat", and "*.*" everything.
    if (pattern.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.')))
        return globMatch(name, QStringView(pattern).chopped(2));
    return false;
}

bool lessByName(const QString &a, const QString &b)
{
    const int byName = QString::compare(nameBeforeDot(a), nameBeforeDot(b), Qt::CaseInsensitive);
    if (byName != 0)
        return byName < 0;
    const int byWhole = QString::compare(a, b, Qt::CaseInsensitive);
    if (byWhole != 0)
        return byWhole < 0;
    return a < b;
}

QString nameBeforeDot(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList listFiles(const QString &folder, const QString &pattern)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    QStringList names;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Readable, QDir::NoSort);
    for (const QString &entry : entries) {
        if (wildcardMatch(entry, pattern))
            names << entry;
    }
    return sortedByName(names);
}

QStringList listFolders(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return sortedByName(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));
}

QString findFirstFile(const QString &folder, const QString &pattern)
{
    const QStringList names = listFiles(folder, pattern);
    return names.isEmpty() ? QString() : names.first();
}

QString resolveFolder(const QString &base, const QString &relative)
{
    QString path = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    const QStringList parts = QString(relative)
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QString found = part;
        if (!QFileInfo(path + part).isDir()) {
            const QStringList folders = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString &candidate : folders) {
                if (QString::compare(candidate, part, Qt::CaseInsensitive) == 0) {
                    found = candidate;
                    break;
                }
            }
        }
        path += found + QLatin1Char('/');
    }
    return path;
}

bool isPictureFile(const QString &fileName)
{
    static const QStringList kPictureSuffixes
        = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
           QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("ico"),
           QStringLiteral("svg"), QStringLiteral("wmf"), QStringLiteral("emf")};
    return kPictureSuffixes.contains(QFileInfo(fileName).suffix().toLower());
}

QString itemName(const QString &fileName)
{
    // Folders may be written with either separator (stored paths from older files).
    const qsizetype slash
        = std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    return nameBeforeDot(fileName.mid(slash + 1));
}

} // namespace tw
