// Creates the quiz tiles and lays them out over the window.
#pragma once

namespace tw {

class Educate;

class TileLayout
{
public:
    explicit TileLayout(Educate &window);

    // Creates (GridMax+1)^2 hidden question, answer and picture tiles.
    void LoadLabels();
    // Places and shows the tiles, fitting one common caption font size.
    void ReDraw();

private:
    Educate &m_window;
};

} // namespace tw
