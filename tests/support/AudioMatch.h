// Finds a sound in a recording: both 16-bit mono at the same rate, the
// recording holding the sound's samples unchanged, with silence or other
// sounds around them.
#pragma once

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tw::test {

inline std::vector<qint16> samplesOf(const QByteArray &pcm)
{
    std::vector<qint16> s(size_t(pcm.size()) / 2);
    std::memcpy(s.data(), pcm.constData(), s.size() * 2);
    return s;
}

// Normalised correlation of `tpl` with `rec` from `at`, over `len` samples.
inline double correlation(const std::vector<qint16> &rec, long at, const std::vector<qint16> &tpl,
                          long len)
{
    double xy = 0, xx = 0, yy = 0;
    for (long k = 0; k < len; ++k) {
        const double x = rec[size_t(at + k)], y = tpl[size_t(k)];
        xy += x * y;
        xx += x * x;
        yy += y * y;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// Where the whole of `tpl` occurs in `rec` (start sample of each occurrence,
// in order), matching with a correlation of at least `minCorrelation`.
inline std::vector<long> findSound(const std::vector<qint16> &rec, const std::vector<qint16> &tpl,
                                   double minCorrelation = 0.9)
{
    constexpr int kLoud = 300; // well above the null sink's silence (0)
    constexpr long kSearch = 32; // alignment slack around an onset
    constexpr long kProbe = 512; // samples checked before a full comparison
    std::vector<long> found;
    const long len = long(tpl.size());
    long lead = 0;
    while (lead < len && std::abs(tpl[size_t(lead)]) <= kLoud)
        ++lead;
    if (lead == len)
        return found;
    const long probe = std::min(kProbe, len - lead);
    const std::vector<qint16> head(tpl.begin() + lead, tpl.begin() + lead + probe);
    const long n = long(rec.size());
    long i = 0;
    while (i < n) {
        if (std::abs(rec[size_t(i)]) <= kLoud) {
            ++i;
            continue;
        }
        long best = -1;
        double bestCorr = 0.0;
        for (long s = i - lead - kSearch; s <= i - lead + kSearch; ++s) {
            if (s < 0 || s + len > n)
                continue;
            const double c = correlation(rec, s + lead, head, probe);
            if (c > bestCorr) {
                bestCorr = c;
                best = s;
            }
        }
        if (best >= 0 && bestCorr >= minCorrelation
            && correlation(rec, best, tpl, len) >= minCorrelation) {
            found.push_back(best);
            i = best + len;
        } else {
            i += kSearch;
        }
    }
    return found;
}

} // namespace tw::test
