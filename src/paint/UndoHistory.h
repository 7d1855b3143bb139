// UndoHistory: the steps of a drawing for undo and redo, as changed areas of the maps and the
// objects.
#pragma once

#include "paint/PaintObject.h"
#include "paint/PixelMaps.h"

#include <deque>

namespace tw {

// Holds the state recorded last and, for each step since, only the area of
// the maps that changed (the smallest rectangle around the changed pixels)
// and the objects before it. Undoing a step swaps that area and the objects
// with the present ones, so the same step redoes it again.
class UndoHistory
{
public:
    static constexpr int kMaxSteps = 30;
    // The steps kept, besides the recorded state, never take more than this
    // (the oldest go first; one step larger than this is still kept alone).
    static constexpr qint64 kMaxBytes = qint64(96) << 20;

    // Starts afresh from this state: nothing to undo or redo.
    void reset(const PixelMaps &maps, const PaintObjectSet &objects);
    // Records what changed since the state recorded last as one step, and
    // drops the steps that were undone. False when nothing changed.
    bool record(const PixelMaps &maps, const PaintObjectSet &objects);

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_steps.size(); }
    int steps() const { return int(m_steps.size()); }
    qint64 bytes() const;

    // Puts back the state before the last step (after the next undone one);
    // false when there is none. The maps keep their size when the step was
    // only an area of them.
    bool undo(PixelMaps &maps, PaintObjectSet &objects);
    bool redo(PixelMaps &maps, PaintObjectSet &objects);

private:
    struct Step
    {
        QRect area; // null: the whole maps (their size changed)
        PixelMaps maps;
        PaintObjectSet objects;
    };
    static void swap(Step &step, PixelMaps &maps, PaintObjectSet &objects);
    static qint64 stepBytes(const Step &step);

    PixelMaps m_recorded;
    PaintObjectSet m_recordedObjects;
    std::deque<Step> m_steps;
    size_t m_position = 0; // steps before this one are done
};

} // namespace tw
