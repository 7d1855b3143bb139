// The paint state shared by the paint box, its objects, the colouring book and printing.
#pragma once

#include <QString>

#include <array>

namespace tw {

constexpr int kToolCount = 10;
constexpr int kPenTools = 3; // tools 0 to 2 are the pens
constexpr int kPenSlot = 3; // PenWidth(3): the pen the width menu edits

struct PaintState
{
    // The palette of Coloring Book and Paint Box (the answer tiles serve as it).
    long PenColour = 0; // 0x00BBGGRR
    long BaseColour = 0; // last plain colour picked (palette tiles 0 to 7)
    int CurrentTool = 0;
    // Pen widths in pixels of tools 0, 1, 2, and which of them the width menu edits.
    std::array<int, 4> PenWidth {3, 9, 18, 0};
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
    // The previous point of the stroke being drawn (twips).
    int LastX = 0;
    int LastY = 0;
    // Object dragging and bending (lines and shapes).
    int GrabX = 0;
    int GrabY = 0;
    int LineDX = 0;
    int LineDY = 0;
    bool CurveEditing = false;
    int LineCount = 0;
    int ShapeCount = 0;
};

} // namespace tw
