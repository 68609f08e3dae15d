#pragma once

// One switch for the fast paths: the shortcuts that draw or find exactly what the plain way
// does, only sooner. Each asks the switch before it applies; with the switch off everything
// takes the plain way, so that a test can compare a chart with its plain drawing (a pixel
// difference is then one flip away) and a benchmark can time what the shortcuts save. The
// switch is on unless turned off, process-wide. Each shortcut also counts the times it was
// taken, so that a test can see that it really was.

#include <atomic>
#include <cstdint>

enum class TFastPath : uint8_t {
    StampedShape,       // a small ellipse or polygon copied from a picture of the first one
    RowClip,            // a polygon's clip region worked out for the device's rows only
    MaskedPolyline,     // a long polyline marked in a mask and drawn in one go
    WidePolylinePieces, // a long wide round polyline drawn as separate segments
    KeptGlyphs,         // a text drawn from the glyphs kept from its first layout
    SymbolsAlone,       // a frame of symbols alone, which leaves out those that later ones cover
    SymbolBlock,        // a block of such symbols passed over at once
    LineRuns,           // a fast line's frame reduced run by run on its values
    LineBlock,          // a block of a fast line's points folded in from its summary, or halved
    ColumnFolding,      // a pixel column of a polyline folded to its first, extreme and last points
    NearestHalving,     // a run of a fast line's points searched outward from the mouse's column
    MarkGrid,           // a mark's box kept in the grid of the boxes placed
    Count
};

class TeeFastPaths
{
public:
    static bool On() { return FOn.load(std::memory_order_relaxed); }
    static void SetOn(bool on) { FOn.store(on, std::memory_order_relaxed); }

    // Noted by a fast path each time it is taken: a plain load and store rather than a locked
    // increment, which drawing loops would pay for (a count lost to a race loses nothing else).
    static void Taken(TFastPath path)
    {
        std::atomic<uint64_t>& count = FTaken[static_cast<int>(path)];
        count.store(count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    }
    static uint64_t TimesTaken(TFastPath path)
    {
        return FTaken[static_cast<int>(path)].load(std::memory_order_relaxed);
    }

    // Sets the switch for its own lifetime and puts back what it was.
    class TScope
    {
    public:
        explicit TScope(bool on) : FWas(On()) { SetOn(on); }
        ~TScope() { SetOn(FWas); }
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        bool FWas;
    };

private:
    static inline std::atomic<bool> FOn{true};
    static inline std::atomic<uint64_t> FTaken[static_cast<int>(TFastPath::Count)]{};
};
