#include "puzzle/Puzzle.h"
#include "common/MenuId.h"

#include "common/Menus.h"
#include "common/PictureLoader.h"
#include "common/Twips.h"
#include "platform/Numeric.h"
#include "puzzle/BitmapCutter.h"
#include "puzzle/BitmapWriter.h"
#include "puzzle/Board.h"
#include "puzzle/BoardLayout.h"
#include "puzzle/PieceDrag.h"
#include "puzzle/PieceFace.h"
#include "puzzle/PuzzleHost.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tw {

namespace {

const QString kPuzzleSubject = QStringLiteral("Puzzle");
const QString kNumbersSubject = QStringLiteral("Numbers");
constexpr int kJigsaw = 1;
constexpr int kSliding = 2;
// Boards of 6 x 6 and larger are shuffled without showing the moves.
constexpr int kLargestShownGridMax = 4;
// The shuffle shows a move per tick of a clock running at GridMax^2 ticks a second,
// but never slower than this many ticks a second.
constexpr double kSlowestTicksPerSecond = 4.0;
// Bounds on one tick's wait, should the clock stand still or jump.
constexpr double kTickSlackSeconds = 0.05;
constexpr int kMaxPumpsPerTick = 1000;

} // namespace

Puzzle::Puzzle(PuzzleHost &window)
    : m_window(window)
    , m_drag(std::make_unique<PieceDrag>(window, *this))
{ }

Puzzle::~Puzzle() = default;

QString Puzzle::pieceFile(int piece) { return QStringLiteral("Temp%1.bmp").arg(piece); }

QString Puzzle::scratchFolder()
{
    // Made again should someone have removed it meanwhile.
    if (!m_scratch || !QFileInfo(m_scratch->path()).isDir())
        m_scratch = std::make_unique<QTemporaryDir>(QDir::tempPath()
                                                    + QStringLiteral("/tumblewick-XXXXXX"));
    return m_scratch->isValid() ? m_scratch->path() + QLatin1Char('/') : QString();
}

int Puzzle::grid() const { return m_window.shell.GridMax + 1; }

bool Puzzle::boardActive() const
{
    return m_window.shell.CurrentSubject == kPuzzleSubject && m_window.shell.GridMax >= 1
        && m_window.Img.loaded(1);
}

void Puzzle::removePieceFiles(int from, int to) const
{
    for (int p = from; p <= to && m_scratch; ++p)
        QFile::remove(m_scratch->path() + QLatin1Char('/') + pieceFile(p));
}

void Puzzle::refuse(int piecesWritten)
{
    removePieceFiles(1, piecesWritten);
    m_window.puzzle.PuzzleRefused = 1;
}

void Puzzle::LoadJigPuzzle()
{
    ++m_boardId;
    m_window.shell.CurrentSubject = kPuzzleSubject;
    const int g = grid();
    const int n = g * g;
    PictureTile *backdrop = m_window.Img(0);
    if (g < 2 || n > kMaxPieces || !backdrop || !backdrop->hasPicture()) {
        refuse(0);
        return;
    }
    // A vector picture is drawn as large as the board, as the backdrop shows it, so the pieces
    // are sharp at any size; a bitmap is cut as it is.
    QImage picture = backdrop->picture();
    if (PictureLoader::isVector(picture))
        picture = backdrop->backdropAt(
            QSize(twipsToPixels(m_window.boardWidth()), m_window.playArea()->height()));
    backdrop->hide();

    // A picture too small to give every piece a pixel is enlarged first.
    const QSize least(kPieceWidthAlignment * g, g);
    if (picture.width() < least.width() || picture.height() < least.height())
        picture = picture.scaled(picture.size().expandedTo(least), Qt::KeepAspectRatioByExpanding,
                                 Qt::SmoothTransformation);

    // The whole picture as a bitmap file. It is scratch, rewritten by every puzzle,
    // so one plain write will do: no need to wait for the disk.
    const QString folder = scratchFolder();
    if (folder.isEmpty()) {
        refuse(0);
        return;
    }
    const QString wholePath = folder + wholePictureFile();
    {
        QFile out(wholePath);
        const QByteArray bitmap = encodeBitmap(picture);
        if (bitmap.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(bitmap) != bitmap.size() || !out.flush()) {
            refuse(0);
            return;
        }
    }
    QFile in(wholePath);
    if (!in.open(QIODevice::ReadOnly)) {
        refuse(0);
        return;
    }
    const QByteArray whole = in.readAll();
    in.close();

    const CutPieces cut = SplitUp(
        std::span(reinterpret_cast<const std::uint8_t *>(whole.constData()), size_t(whole.size())),
        g);
    if (cut.refusal != CutRefusal::None) {
        refuse(0);
        return;
    }
    if (!writePieces(folder, cut))
        return;
    if (!loadPieces(folder, n))
        return;
    for (int i = 1; i <= n; ++i)
        m_window.puzzle.PieceAt[size_t(i)] = i;
}

bool Puzzle::writePieces(const QString &folder, const CutPieces &cut)
{
    const int n = int(cut.files.size());
    for (int p = 1; p <= n; ++p) {
        QFile out(folder + pieceFile(p));
        const QByteArray &bytes = cut.files[size_t(p - 1)];
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(bytes) != bytes.size() || !out.flush()) {
            out.close();
            refuse(p);
            return false;
        }
    }
    return true;
}

bool Puzzle::loadPieces(const QString &folder, int pieces)
{
    const int border = m_window.puzzle.PuzzleKind == kSliding;
    for (int i = 1; i <= pieces; ++i) {
        const QString path = folder + pieceFile(i);
        QImage image(path, "BMP");
        QFile::remove(path);
        if (image.isNull() || (!m_window.Img.loaded(i) && !m_window.Img.load(i))) {
            removePieceFiles(i + 1, pieces);
            m_window.puzzle.PuzzleRefused = 1;
            return false;
        }
        PictureTile *piece = m_window.Img(i);
        piece->hide();
        piece->setStretch(true);
        piece->setEnabled(true);
        // The play area handles the drag, so the pieces let the mouse through.
        piece->setAttribute(Qt::WA_TransparentForMouseEvents);
        piece->setPicture(image);
        PieceFace::of(piece)->setOutlined(border);
        piece->raise();
    }
    return true;
}

void Puzzle::layoutPieces()
{
    const int g = grid();
    const int n = g * g;
    // The board leaves the talking character its strip, as the quiz grid does.
    const BoardLayout layout(g, m_window.boardWidth(), m_window.scaleHeight());
    const auto &pieceAt = m_window.puzzle.PieceAt;
    for (int s = 1; s <= n; ++s) {
        if (PictureTile *piece = m_window.Img(pieceAt[size_t(s)]))
            piece->setGeometry(layout.slotRect(s));
        // Exactly the pieces away from home are outlined.
        if (PieceFace *face = PieceFace::of(m_window.Img(s)))
            face->setOutlined(pieceAt[size_t(s)] != s);
    }
}

void Puzzle::PuzzleResize()
{
    if (m_window.shell.GridMax == 0 || !boardActive())
        return;
    const int n = grid() * grid();
    layoutPieces();
    if (board::isSolved(m_window.puzzle.PieceAt, n, m_window.puzzle.Shuffling != 0)) {
        if (PictureTile *whole = m_window.Img(0)) {
            whole->setGeometry(0, 0, twipsToPixels(m_window.boardWidth()),
                               m_window.playArea()->height());
            whole->raise();
            whole->show();
        }
        m_window.UnloadGame();
        if (QAction *again = m_window.menus().item(MenuId::MNU_Again))
            again->setEnabled(true);
        return;
    }
    // The sliding puzzle keeps piece 1 hidden: it is the blank.
    for (int i = 1; i <= n; ++i) {
        if (PictureTile *piece = m_window.Img(i))
            piece->setVisible(i >= m_window.puzzle.PuzzleKind);
    }
}

void Puzzle::DealJigsaw()
{
    const int n = grid() * grid();
    if (n < 1 || n > kMaxPieces || !m_window.platform().random)
        return;
    board::dealJigsaw(m_window.puzzle.PieceAt, n, *m_window.platform().random);
}

void Puzzle::waitForNextTick()
{
    Platform &platform = m_window.platform();
    if (!platform.clock || !platform.pump)
        return;
    const double rate
        = std::max(double(m_window.shell.GridMax) * m_window.shell.GridMax, kSlowestTicksPerSecond);
    const double start = platform.clock->secondsSinceMidnight();
    const long tick = CLng(std::floor(start * rate));
    for (int pumps = 0; pumps < kMaxPumpsPerTick; ++pumps) {
        platform.pump->processEvents();
        const double now = platform.clock->secondsSinceMidnight();
        // A new tick, midnight, or a clock that jumped ends the wait.
        if (CLng(std::floor(now * rate)) != tick || now < start
            || now - start > 1.0 / rate + kTickSlackSeconds)
            return;
    }
}

void Puzzle::MovePiece(int slot)
{
    auto &shell = m_window.shell;
    const int n = grid() * grid();
    if (slot < 1 || slot > n || !board::canSlide(slot, m_window.puzzle.BlankSlot, grid()))
        return;
    board::slideIntoBlank(m_window.puzzle.PieceAt, m_window.puzzle.BlankSlot, slot);
    if (shell.GridMax > kLargestShownGridMax)
        return;
    const int id = m_boardId;
    waitForNextTick();
    if (id == m_boardId)
        PuzzleResize();
}

void Puzzle::MixPieces()
{
    const int g = grid();
    if (!boardActive() || !m_window.platform().random || g * g > kMaxPieces) {
        m_window.puzzle.Shuffling = 0;
        return;
    }
    const int id = m_boardId;
    const auto stillThisBoard = [this, id] { return id == m_boardId && boardActive(); };
    const board::ShuffleResult result
        = board::shuffle(m_window.puzzle.PieceAt, m_window.puzzle.BlankSlot, g,
                         *m_window.platform().random, [this, &stillThisBoard](int slot) {
                             if (!stillThisBoard())
                                 return false;
                             MovePiece(slot);
                             return stillThisBoard();
                         });
    m_window.puzzle.Shuffling = 0;
    // A game switch during the shuffle leaves the new game alone.
    if (!result.completed && !stillThisBoard())
        return;
    PuzzleResize();
}

void Puzzle::Img_DragDrop(int index, int source)
{
    if (m_window.puzzle.PuzzleKind != kJigsaw || !boardActive())
        return;
    const int n = grid() * grid();
    board::swapPieces(m_window.puzzle.PieceAt, n, source, index);
    PuzzleResize();
}

void Puzzle::Window_DragDrop(int source)
{
    if (m_window.puzzle.PuzzleKind != kSliding || !boardActive())
        return;
    if (board::slidePiece(m_window.puzzle.PieceAt, m_window.puzzle.BlankSlot, grid(), source))
        PuzzleResize();
}

void Puzzle::Img_Click(int index)
{
    const QString &subject = m_window.shell.CurrentSubject;
    // Puzzle pieces are dragged, never clicked.
    if (index > 0 && subject != kNumbersSubject && subject != kPuzzleSubject)
        m_window.Answer_Click(index);
}

int Puzzle::pieceAt(QPoint pos) const
{
    if (!boardActive())
        return 0;
    const BoardLayout layout(grid(), m_window.boardWidth(), m_window.scaleHeight());
    const int slot = layout.slotAt(pos);
    return slot > 0 ? m_window.puzzle.PieceAt[size_t(slot)] : 0;
}

void Puzzle::dropPiece(int piece, QPoint pos)
{
    if (!boardActive())
        return;
    const int target = pieceAt(pos);
    if (target == 0) {
        // Released off the board: the piece goes back.
    } else if (m_window.puzzle.PuzzleKind == kSliding && target == kBlankPiece) {
        Window_DragDrop(piece);
    } else {
        Img_DragDrop(target, piece);
    }
    // Whatever the drop did, every piece still on the board goes back into its slot.
    if (boardActive())
        layoutPieces();
}

} // namespace tw
