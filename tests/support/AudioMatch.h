// Finds a sound in a recording of the program's output: both 16-bit mono at
// the same rate, the recording holding the sound's samples unchanged.
#pragma once

#include <QByteArray>

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

// Start of each occurrence of the whole of `tpl` in `rec`: where its first
// loud samples appear exactly and all of it correlates above `minCorrelation`.
inline std::vector<size_t> findSound(const std::vector<qint16> &rec, const std::vector<qint16> &tpl,
                                     double minCorrelation = 0.9)
{
    constexpr int kLoud = 300;
    constexpr size_t kKey = 16;
    size_t lead = 0;
    while (lead < tpl.size() && std::abs(tpl[lead]) <= kLoud)
        ++lead;
    std::vector<size_t> found;
    if (lead + kKey > tpl.size())
        return found;
    for (size_t s = 0; s + tpl.size() <= rec.size(); ++s) {
        if (!std::equal(tpl.begin() + long(lead), tpl.begin() + long(lead + kKey),
                        rec.begin() + long(s + lead)))
            continue;
        double xy = 0, xx = 0, yy = 0;
        for (size_t k = 0; k < tpl.size(); ++k) {
            xy += double(rec[s + k]) * tpl[k];
            xx += double(rec[s + k]) * rec[s + k];
            yy += double(tpl[k]) * tpl[k];
        }
        if (xy >= minCorrelation * std::sqrt(xx * yy)) {
            found.push_back(s);
            s += tpl.size() - 1;
        }
    }
    return found;
}

} // namespace tw::test
