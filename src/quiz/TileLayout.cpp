#include "quiz/TileLayout.h"

#include "common/Constants.h"
#include "common/Twips.h"
#include "quiz/QuestionChain.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizGames.h"
#include "quiz/QuizHost.h"

#include <QFontMetricsF>

namespace tw {

namespace {

// Spelling and Initial Letters keep a strip at the top of each tile for the
// answer's caption, above the picture.
constexpr double kCaptionStrip = 300; // twips
constexpr int kStripFontSize = 10; // points, or the common size when that is smaller
// Measured captions kept before the cache starts afresh.
constexpr int kMaxCachedCaptions = 4000;

bool captionStrip(const QString &subject)
{
    return subject == QLatin1String("Spelling") || subject == QLatin1String("Letters");
}

} // namespace

TileLayout::TileLayout(QuizHost &window)
    : m_window(window)
    , m_measureFont(tileFont())
{ }

TileLayout::~TileLayout() = default;

void TileLayout::LoadLabels()
{
    QuizHost &w = m_window;
    const int n = tileCount(w.shell.GridMax);
    w.engine().setDealOver(false); // fresh tiles: a new game is being set up
    for (int i = 1; i <= n; ++i) {
        // An element that exists already keeps its place; it still gets the
        // properties below, as a fresh one would.
        w.Question.load(i);
        if (TileLabel *q = w.Question(i)) {
            q->setBorder(false);
            q->setAlignment(Qt::AlignCenter);
            q->setEnabled(true);
            q->hide();
        }
        w.Answer.load(i);
        if (TileLabel *a = w.Answer(i)) {
            a->setBorder(true);
            a->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            a->setEnabled(true);
            a->hide();
        }
        w.Img.load(i);
        if (PictureTile *img = w.Img(i)) {
            img->setEnabled(true);
            img->hide();
        }
    }
    // Text is measured in the tiles' own font.
    const QFont font = w.Question(1) ? w.Question(1)->font() : tileFont();
    if (font.families() != m_measureFont.families() || font.weight() != m_measureFont.weight()) {
        m_measureFont = font;
        m_metrics.clear();
        m_extents.clear();
    }
}

const QFontMetricsF &TileLayout::metricsAt(int points)
{
    auto it = m_metrics.find(points);
    if (it == m_metrics.end()) {
        QFont f = m_measureFont;
        f.setPointSize(points);
        it = m_metrics.emplace(points, std::make_unique<QFontMetricsF>(f)).first;
    }
    return *it->second;
}

TextExtent TileLayout::measureCaption(const QString &caption, int points)
{
    points = std::max(1, points);
    auto &bySize = m_extents[caption];
    auto hit = bySize.constFind(points);
    if (hit != bySize.constEnd())
        return *hit;
    if (m_extents.size() > kMaxCachedCaptions) {
        m_extents.clear();
        return measureCaption(caption, points);
    }
    // As the window measures text: the widest line, and one line height per line. A card shows
    // its caption in the middle without the line feeds in front of it, so they take no room.
    const QFontMetricsF &fm = metricsAt(points);
    const QStringList lines = caption.trimmed().split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    const TextExtent e {pixelsToTwips(widest), pixelsToTwips(fm.height() * lines.size())};
    m_extents[caption].insert(points, e);
    return e;
}

void TileLayout::ReDraw()
{
    QuizHost &w = m_window;
    const ShellState &shell = w.shell;
    const QuizState &quiz = w.quiz;

    // The backdrop always covers the tiles' part of the play area, even when nothing else moves.
    if (PictureTile *backdrop = w.Img(0))
        backdrop->setGeometry(0, 0, twipsToPixels(m_window.boardWidth()), w.playArea()->height());
    if (shell.GridMax <= 0)
        return;
    if (quiz.AwaitingAnswer == 1) {
        // The board may not move while the child is answering. Before any
        // layout has recorded a size there is nothing to go back to.
        if (m_layoutWidth > 0 && m_layoutHeight > 0) {
            const QSize recorded(twipsToPixels(m_layoutWidth), twipsToPixels(m_layoutHeight));
            if (w.mainWidget()->size() != recorded)
                w.mainWidget()->resize(recorded);
            else if (m_window.boardWidth() != m_placedWidth) {
                placeTiles(); // the character came or went: the tiles make room
                placeOverlays();
            }
        }
        return;
    }
    if (shell.CurrentSubject == QLatin1String("Puzzle")) {
        w.PuzzleResize();
        return;
    }

    placeTiles();

    const int n = tileCount(shell.GridMax);
    const bool cardGame = shell.CurrentGame == GamePairs || shell.CurrentGame == GameHideAndSeek;
    const bool dealOver = w.engine().dealOver();
    // Only what changes is shown or hidden: 1200 widgets hidden and shown
    // again on every resize would cost more than the layout itself.
    auto showOnly = [](QWidget *tile, bool visible) {
        if (tile && tile->isHidden() == visible)
            tile->setVisible(visible);
    };
    for (int t = 1; t <= n; ++t) {
        const bool card = !dealOver && (t > 1 || cardGame);
        showOnly(w.Answer(t), card);
        showOnly(w.Img(t), card);
        showOnly(w.Question(t), !dealOver && t == 1);
    }

    // Stacking: answer over picture over question in every tile.
    const bool flags = shell.CurrentSubject == QLatin1String("Flags");
    for (int t = 1; t <= n; ++t) {
        TileLabel *q = w.Question(t);
        TileLabel *a = w.Answer(t);
        PictureTile *img = w.Img(t);
        if (q)
            q->raise();
        if (img)
            img->raise();
        if (a)
            a->raise();
        if ((flags || (captionStrip(shell.CurrentSubject) && t > 1)) && img)
            img->raise(); // the flag covers the answer's caption; a strip keeps it above
    }

    // Stacking the tiles must not bury the talking character.
    w.keepCharacterOnTop();
    placeOverlays();
    recordLayout();
}

void TileLayout::placeTiles()
{
    QuizHost &w = m_window;
    const ShellState &shell = w.shell;
    if (shell.GridMax <= 0 || shell.CurrentSubject == QLatin1String("Puzzle"))
        return;
    const int n = tileCount(shell.GridMax);

    // Grid: the tiles touch, row by row from the top-left.
    const double width = m_window.boardWidth();
    const double height = w.scaleHeight();
    const bool strip = captionStrip(shell.CurrentSubject);
    const int stripPixels = twipsToPixels(kCaptionStrip);
    for (int t = 1; t <= n; ++t) {
        const QRect r = tilePixelRect(tileRect(t, width, height, shell.GridMax));
        if (TileLabel *q = w.Question(t))
            q->setGeometry(r);
        if (TileLabel *a = w.Answer(t))
            a->setGeometry(r);
        if (PictureTile *img = w.Img(t)) {
            // Spelling and Initial Letters show the answer's caption above the picture.
            if (strip && t > 1)
                img->setGeometry(r.adjusted(0, stripPixels, 0, 0).normalized());
            else
                img->setGeometry(r);
        }
    }
    m_placedWidth = width;

    // One common caption size: every question and answer caption but the
    // last position's must fit its tile with a margin.
    std::vector<QString> captions;
    captions.reserve(2 * n);
    for (int t = 1; t < n; ++t)
        if (TileLabel *q = w.Question(t))
            captions.push_back(q->text());
    for (int t = 1; t < n; ++t)
        if (TileLabel *a = w.Answer(t))
            captions.push_back(a->text());
    const TwipRect cell = tileRect(1, width, height, shell.GridMax);
    const int fitSize = commonFontSize(
        captions, cell.width, cell.height,
        [this](const QString &caption, int points) { return measureCaption(caption, points); });
    const bool cardGame = shell.CurrentGame == GamePairs || shell.CurrentGame == GameHideAndSeek;
    for (int t = 1; t <= n; ++t) {
        if (TileLabel *a = w.Answer(t)) {
            a->setCaptionStrip(strip && t > 1);
            if (t > 1 || cardGame)
                a->setFontSize(strip && t > 1 ? std::min(kStripFontSize, fitSize) : fitSize);
        }
        if (TileLabel *q = w.Question(t); q && t < n)
            q->setFontSize(fitSize);
    }
}

void TileLayout::placeOverlays()
{
    QuizHost &w = m_window;
    if (w.shell.CurrentGame == GameSpelling)
        w.games().DoSpellBox();
    if (w.shell.CurrentSubject == QLatin1String("Numbers"))
        w.games().DoNumbers();
}

void TileLayout::recordLayout()
{
    m_layoutWidth = int(std::lround(pixelsToTwips(m_window.mainWidget()->width())));
    m_layoutHeight = int(std::lround(pixelsToTwips(m_window.mainWidget()->height())));
    m_window.setHourglass(false);
}

} // namespace tw
