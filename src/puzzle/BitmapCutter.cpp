#include "puzzle/BitmapCutter.h"

#include <cstring>

namespace tw {

namespace {

bool supportedDepth(int bitCount) { return bitCount == 4 || bitCount == 8 || bitCount == 24; }

// Bytes holding `width` pixels, without row padding.
std::int64_t pixelBytes(std::int64_t width, int bitCount) { return (width * bitCount + 7) / 8; }

// Copies the bytes between the headers and the pixel rows (the colour table) from
// the source into a piece, unchanged.
void FillIn(std::span<const std::uint8_t> source, const BitmapHeader &header, char *piece)
{
    const int extra = header.bfOffBits - kBitmapHeaderSize;
    if (extra > 0)
        std::memcpy(piece + kBitmapHeaderSize, source.data() + kBitmapHeaderSize, size_t(extra));
}

} // namespace

int PieceGeometry::width(int column, int grid) const
{
    return column == grid - 1 ? rightColumnWidth : regularWidth;
}

int PieceGeometry::height(int row, int grid) const
{
    return row == grid - 1 ? bottomRowHeight : regularHeight;
}

PieceGeometry pieceGeometry(int width, int height, int grid)
{
    PieceGeometry g;
    if (grid < 1)
        return g;
    g.regularHeight = height / grid;
    g.bottomRowHeight = height - (grid - 1) * g.regularHeight;
    g.regularWidth = kPieceWidthAlignment * (width / (kPieceWidthAlignment * grid));
    g.rightColumnWidth = width - (grid - 1) * g.regularWidth;
    return g;
}

CutRefusal checkCuttable(const BitmapHeader &h, std::int64_t fileSize, int grid)
{
    if (fileSize < kBitmapHeaderSize)
        return CutRefusal::Truncated;
    if (h.bfType != kBitmapType)
        return CutRefusal::NotABitmap;
    if (grid < 1 || grid * grid > kMaxPieces)
        return CutRefusal::BadGrid;
    // Info headers from the classic 40-byte one up to the 124-byte fifth version.
    constexpr int kLargestInfoHeader = 124;
    if (h.biSize < kBitmapInfoHeaderSize || h.biSize > kLargestInfoHeader || h.biPlanes != 1
        || h.bfOffBits < std::int64_t(kBitmapFileHeaderSize) + h.biSize)
        return CutRefusal::BadHeader;
    if (h.biCompression != kBitmapUncompressed)
        return CutRefusal::Compressed;
    if (!supportedDepth(h.biBitCount))
        return CutRefusal::UnsupportedDepth;
    if (h.biWidth <= 0 || h.biHeight <= 0 || h.biWidth > kMaxBitmapSide
        || h.biHeight > kMaxBitmapSide)
        return CutRefusal::BadSize;
    if (std::int64_t(h.bfOffBits) - kBitmapFileHeaderSize - h.biSize > kMaxColourTableBytes)
        return CutRefusal::ColourTableTooLarge;
    const std::int64_t pixels = bitmapRowBytes(h.biWidth, h.biBitCount) * h.biHeight;
    if (std::int64_t(h.bfOffBits) + pixels > fileSize)
        return CutRefusal::PixelsBeyondEnd;
    const PieceGeometry g = pieceGeometry(h.biWidth, h.biHeight, grid);
    if (g.regularWidth < 1 || g.regularHeight < 1)
        return CutRefusal::TooSmallForGrid;
    return CutRefusal::None;
}

CutPieces SplitUp(std::span<const std::uint8_t> file, int grid)
{
    CutPieces cut;
    const std::optional<BitmapHeader> header = GetHeader(file);
    if (!header) {
        cut.refusal = CutRefusal::Truncated;
        return cut;
    }
    const BitmapHeader &src = *header;
    cut.source = src;
    cut.refusal = checkCuttable(src, std::int64_t(file.size()), grid);
    if (cut.refusal != CutRefusal::None)
        return cut;

    const int bits = src.biBitCount;
    const PieceGeometry geo = pieceGeometry(src.biWidth, src.biHeight, grid);
    cut.geometry = geo;

    // Headers and colour tables first: every piece file gets its final size at once.
    const int pieces = grid * grid;
    cut.files.resize(size_t(pieces));
    std::vector<std::int64_t> pieceRowBytes(static_cast<size_t>(pieces));
    for (int r = 0; r < grid; ++r) {
        for (int c = 0; c < grid; ++c) {
            const int p = r * grid + c;
            BitmapHeader h = src;
            h.biWidth = geo.width(c, grid);
            h.biHeight = geo.height(r, grid);
            pieceRowBytes[size_t(p)] = bitmapRowBytes(h.biWidth, bits);
            h.biSizeImage = std::int32_t(pieceRowBytes[size_t(p)] * h.biHeight);
            h.bfSize = h.bfOffBits + h.biSizeImage;
            QByteArray &out = cut.files[size_t(p)];
            out = QByteArray(h.bfSize, '\0'); // row padding stays zero
            PutHeader(
                h,
                std::span(reinterpret_cast<std::uint8_t *>(out.data()), size_t(kBitmapHeaderSize)));
            FillIn(file, src, out.data());
        }
    }

    // One pass over the source rows, in file order: from the bottom of the picture up.
    const std::int64_t srcRowBytes = bitmapRowBytes(src.biWidth, bits);
    const std::int64_t regularOffset = std::int64_t(geo.regularWidth) * bits / 8;
    for (int y = 0; y < src.biHeight; ++y) {
        int row; // piece row, from the top
        int rowInPiece; // row within the piece, in file order (from its bottom)
        if (y < geo.bottomRowHeight) {
            row = grid - 1;
            rowInPiece = y;
        } else {
            row = grid - 2 - (y - geo.bottomRowHeight) / geo.regularHeight;
            rowInPiece = (y - geo.bottomRowHeight) % geo.regularHeight;
        }
        const std::uint8_t *srcRow = file.data() + src.bfOffBits + y * srcRowBytes;
        for (int c = 0; c < grid; ++c) {
            const int p = row * grid + c;
            char *dst = cut.files[size_t(p)].data() + src.bfOffBits
                + rowInPiece * pieceRowBytes[size_t(p)];
            std::memcpy(dst, srcRow + c * regularOffset,
                        size_t(pixelBytes(geo.width(c, grid), bits)));
        }
    }
    return cut;
}

} // namespace tw
