#include "quiz/WordPictures.h"
#include "common/FilePattern.h"

#include "quiz/GameDraws.h"

namespace tw {

namespace {

constexpr int kExtensionLength = 3;

// Length of the name before a three-letter extension, or -1.
int wordLengthOf(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 1 || fileName.size() - dot - 1 != kExtensionLength)
        return -1;
    if (fileName.left(dot).contains(QLatin1Char('.')))
        return -1;
    return dot;
}

} // namespace

QStringList collectWordFiles(const QStringList &listing, int wordLength)
{
    QStringList taken;
    for (int length = 1; length <= wordLength; ++length)
        for (const QString &name : listing)
            if (wordLengthOf(name) == length && isPictureFile(name))
                taken << name;
    return taken;
}

bool spellsWord(const QString &typed, const QString &word)
{
    if (typed.isEmpty())
        return false;
    return typed.toUpper() == word.toUpper();
}

} // namespace tw
