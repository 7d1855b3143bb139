// The shipped help manual: every game of the Play menu has its section, with its picture.
#include "shell/MenuTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString plainCaption(const char *caption)
{
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

TEST(Manual, EveryGameOfThePlayMenuHasASectionWithItsPicture)
{
    const QDir content(QStringLiteral(TUMBLEWICK_CONTENT_DIR));
    QFile file(content.filePath(QStringLiteral("Education.htm")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(file.readAll());
    const QRegularExpression picture(QStringLiteral(R"re(<img src="([^"]+)")re"));

    int games = 0;
    for (const tw::MenuEntry &entry : tw::menuTable()) {
        if (entry.name != tw::MenuId::MNU_Game)
            continue;
        ++games;
        // A section tells how to start its game: "Play ▸ <the menu's caption>".
        const QString caption = plainCaption(entry.caption);
        const qsizetype at = manual.indexOf(QStringLiteral("Play ▸ ") + caption);
        ASSERT_GE(at, 0) << caption.toStdString();
        const qsizetype begin = manual.lastIndexOf(QStringLiteral("<section"), at);
        const qsizetype end = manual.indexOf(QStringLiteral("</section>"), at);
        ASSERT_TRUE(begin >= 0 && end > at) << caption.toStdString();
        const auto match = picture.match(manual.mid(begin, end - begin));
        ASSERT_TRUE(match.hasMatch()) << caption.toStdString();
        QImageReader reader(content.filePath(match.captured(1)));
        EXPECT_TRUE(reader.canRead()) << match.captured(1).toStdString();
    }
    EXPECT_EQ(games, 14);
}

} // namespace
