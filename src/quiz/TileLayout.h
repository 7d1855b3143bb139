// Creates the quiz tiles and lays them out over the window.
#pragma once

#include "quiz/GridGeometry.h"

#include <QFont>
#include <QHash>
#include <QString>

#include <map>
#include <memory>

class QFontMetricsF;

namespace tw {

class QuizHost;

class TileLayout
{
public:
    explicit TileLayout(QuizHost &window);
    ~TileLayout();

    // Creates (GridMax+1)^2 hidden question, answer and picture tiles.
    void LoadLabels();
    // Places and shows the tiles, fitting one common caption font size.
    void ReDraw();
    // Places the tiles and fits their captions without showing or hiding any: the grid fills
    // the play area but for the strip the talking character keeps.
    void placeTiles();

    // The window's size, in twips, at the end of the last complete layout
    // (0 before the first). While a question is open resizes snap back to it.
    int layoutWidth() const { return m_layoutWidth; }
    int layoutHeight() const { return m_layoutHeight; }

    // Width and height of `caption` in the tile font at `points`, in twips.
    // Results are cached: a layout measures the same captions over and over.
    TextExtent measureCaption(const QString &caption, int points);

private:
    // The spelling box and the counted pictures, which lie over tiles.
    void placeOverlays();
    void recordLayout();
    const QFontMetricsF &metricsAt(int points);

    QuizHost &m_window;
    int m_layoutWidth = 0;
    int m_layoutHeight = 0;
    double m_placedWidth = 0; // the board width at the last placeTiles()
    // The font text is measured in: the tiles' family (set by LoadLabels).
    QFont m_measureFont;
    std::map<int, std::unique_ptr<QFontMetricsF>> m_metrics;
    QHash<QString, QHash<int, TextExtent>> m_extents;
};

} // namespace tw
