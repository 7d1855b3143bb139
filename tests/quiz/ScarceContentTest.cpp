// A game whose content folder holds too little for even a 2 x 2 grid ends its
// start at once: no endless restarts, no question asked, no sound; the games
// that pick their pictures say why in a message.
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(ScarceContent, TooLittleForAnyGridEndsTheStartAtOnce)
{
    const struct
    {
        int game;
        const char *subject;
        int pictures, sounds; // the sounds by the pictures' names
        int messages;
    } cases[] = {
        {GameSounds, "Animals", 3, 2, 0},
        {GameHideAndSeek, "Animals", 3, 3, 1},
        {GameFlags, "Flags", 3, 0, 0},
        {GamePairs, "Animals", 1, 0, 1},
        {GameSpelling, "Animals", 3, 0, 1},
        {GameWords, "Animals", 3, 0, 1},
        {GameNumberCounting, "Animals", 0, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.game);
        GameWindow t(c.game);
        Educate &w = t.w();
        addPictures(w.shell.AppFolder, QLatin1String(c.subject), shortNames(c.pictures));
        addSounds(w.shell.AppFolder, shortNames(c.sounds));
        // Every subject is already in: nothing to widen.
        checkSubjects(w, MenuId::MNU_PairSubject, {1, 2, 3, 4, 5});
        checkSubjects(w, MenuId::MNU_SpellSubject, {1, 2, 3, 4, 5});
        w.MNU_Game_Click(c.game);
        EXPECT_EQ(t.fakes.dialogs->messages.size(), c.messages);
        EXPECT_FALSE(w.shell.Loading);
        EXPECT_FALSE(w.hourglass());
        EXPECT_TRUE(t.fakes.sound->opened.isEmpty());
        EXPECT_EQ(w.quiz.AwaitingAnswer, 0);
    }
}

} // namespace
} // namespace tw::test
