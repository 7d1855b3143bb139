// Cuts an uncompressed bottom-up Windows bitmap (4, 8 or 24 bits per pixel) into a
// grid of piece bitmaps: pure code over byte buffers, refusing anything it cannot cut.
#pragma once

#include "puzzle/BitmapHeader.h"

#include <QByteArray>

#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// The sizes of the pieces of a picture cut into grid x grid pieces. The regular width
// is a multiple of 4 pixels, so every piece row of a 4-bit picture starts on a whole
// byte; the remainders go to the right-most column and the bottom row, which can
// therefore be larger than the others.
struct PieceGeometry
{
    int regularWidth = 0;
    int rightColumnWidth = 0;
    int regularHeight = 0;
    int bottomRowHeight = 0;

    // Column and row from 0, counted from the left and from the top.
    int width(int column, int grid) const;
    int height(int row, int grid) const;
};

PieceGeometry pieceGeometry(int width, int height, int grid);

// Why a bitmap cannot be cut.
enum class CutRefusal {
    None,
    Truncated, // shorter than its headers
    NotABitmap, // no "BM" signature
    BadHeader, // an info header size, plane count or pixel offset that makes no sense
    Compressed, // run-length or bit-field pixels
    UnsupportedDepth, // not 4, 8 or 24 bits per pixel
    BadSize, // zero, negative (top-down) or enormous width or height
    ColourTableTooLarge,
    PixelsBeyondEnd, // the pixel rows do not fit in the file
    TooSmallForGrid, // a regular piece would have no pixels
    BadGrid, // fewer than 1 or more than kMaxPieces pieces
};

constexpr int kMaxPieces = 400; // the 20 x 20 grid
constexpr int kPieceWidthAlignment = 4; // regular piece widths are multiples of this
constexpr int kMaxBitmapSide = 32767; // pixels
// Bytes allowed between the info header and the pixel rows: a full 256-entry table.
constexpr int kMaxColourTableBytes = 256 * kColourTableEntrySize;

// Checks that `header` describes a bitmap of `fileSize` bytes that can be cut into
// grid x grid pieces.
CutRefusal checkCuttable(const BitmapHeader &header, std::int64_t fileSize, int grid);

struct CutPieces
{
    CutRefusal refusal = CutRefusal::None;
    BitmapHeader source;
    PieceGeometry geometry;
    // The complete bitmap file of piece p (p from 1, row by row from the top left)
    // at index p - 1. Empty when refused.
    std::vector<QByteArray> files;
};

// Cuts a whole bitmap file into grid x grid piece files. Each piece carries the
// source's headers with its own size, the source's colour table (every byte between
// the headers and the pixel rows, unchanged) and its pixel rows, padded with zeros.
CutPieces SplitUp(std::span<const std::uint8_t> file, int grid);

} // namespace tw
