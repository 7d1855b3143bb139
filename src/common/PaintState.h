// The palette and drawing state shared by the palette tiles and the paint games.
#pragma once

#include <QString>

namespace tw {

struct PaintState
{
    // The palette of Coloring Book and Paint Box (the answer tiles serve as it).
    long PenColour = 0; // 0x00BBGGRR
    long BaseColour = 0; // last plain colour picked (palette tiles 0 to 7)
    int CurrentTool = 0;
    // The selected drawing object: its control name ("Lines", "Shapes", "Rubber")
    // and index; empty when nothing is selected.
    QString SelectedObject;
    int SelectedIndex = -1;
    // The mixing tile's colour, 0 to 255 each.
    int MixRed = 0;
    int MixGreen = 0;
    int MixBlue = 0;
    // Twips per pixel of the play surface.
    double TwipsX = 15;
    double TwipsY = 15;
};

} // namespace tw
