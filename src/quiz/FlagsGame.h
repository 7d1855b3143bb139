// The Flags game: flag pictures and their names on a grid the flags fill.
#pragma once

namespace tw {

class Educate;

class FlagsGame
{
public:
    explicit FlagsGame(Educate &window);

    // Lists the flags and deals them, or restarts on the largest grid they fill.
    void LoadFlags();

    // The Flags subject folder is subject 5.
    static constexpr int kFlagsSubject = 5;

private:
    Educate &m_window;
};

} // namespace tw
