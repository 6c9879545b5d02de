// regions.cpp - boolean operations on rectangle regions, band by band.
#include "host/engine/regions.h"

#include <algorithm>
#include <utility>

namespace platform::engine {
namespace {

using Span = std::pair<LONG, LONG>;   // [first, second)

// The merged spans of the rectangles of rects that cover the whole band [top, bottom).
std::vector<Span> SpansInBand(const std::vector<RECTL>& rects, LONG top, LONG bottom)
{
    std::vector<Span> spans;
    for (const RECTL& r : rects)
        if (!IsEmptyRect(r) && r.top <= top && r.bottom >= bottom)
            spans.emplace_back(r.left, r.right);
    std::sort(spans.begin(), spans.end());
    std::vector<Span> merged;
    for (const Span& span : spans) {
        if (!merged.empty() && span.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }
    return merged;
}

bool Covers(const std::vector<Span>& spans, LONG x)
{
    for (const Span& span : spans)
        if (span.first <= x && x < span.second)
            return true;
    return false;
}

bool Apply(RegionOp op, bool inA, bool inB)
{
    switch (op) {
    case RegionOp::And: return inA && inB;
    case RegionOp::Or: return inA || inB;
    case RegionOp::Xor: return inA != inB;
    case RegionOp::Diff: return inA && !inB;
    }
    return false;
}

// The spans of a op b: each piece between two consecutive span ends is in or out as a whole.
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, RegionOp op)
{
    std::vector<LONG> ends;
    for (const auto* spans : {&a, &b})
        for (const Span& span : *spans) {
            ends.push_back(span.first);
            ends.push_back(span.second);
        }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    std::vector<Span> out;
    for (size_t i = 0; i + 1 < ends.size(); ++i) {
        if (!Apply(op, Covers(a, ends[i]), Covers(b, ends[i])))
            continue;
        if (!out.empty() && out.back().second == ends[i])
            out.back().second = ends[i + 1];
        else
            out.emplace_back(ends[i], ends[i + 1]);
    }
    return out;
}

} // namespace

bool IsEmptyRect(const RECTL& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

RECTL IntersectRects(const RECTL& a, const RECTL& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The plane is cut into bands at every top and bottom of either region; in each band the spans of both
// combine, and a band equal to the one above it is joined to it.
std::vector<RECTL> CombineRegions(const std::vector<RECTL>& a, const std::vector<RECTL>& b, RegionOp op)
{
    std::vector<LONG> edges;
    for (const auto* rects : {&a, &b})
        for (const RECTL& r : *rects)
            if (!IsEmptyRect(r)) {
                edges.push_back(r.top);
                edges.push_back(r.bottom);
            }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<RECTL> out;
    std::vector<Span> previous;
    size_t previousStart = 0;
    for (size_t band = 0; band + 1 < edges.size(); ++band) {
        const LONG top = edges[band];
        const LONG bottom = edges[band + 1];
        const std::vector<Span> spans =
            CombineSpans(SpansInBand(a, top, bottom), SpansInBand(b, top, bottom), op);
        if (!out.empty() && !spans.empty() && spans == previous && out.back().bottom == top) {
            for (size_t i = previousStart; i < out.size(); ++i)
                out[i].bottom = bottom;
            continue;
        }
        previousStart = out.size();
        for (const Span& span : spans)
            out.push_back({span.first, top, span.second, bottom});
        previous = spans;
    }
    return out;
}

std::vector<RECTL> NormaliseRegion(const std::vector<RECTL>& rects)
{
    return CombineRegions(rects, {}, RegionOp::Or);
}

RECTL RegionBounds(const std::vector<RECTL>& rects)
{
    RECTL bounds = {0, 0, 0, 0};
    bool first = true;
    for (const RECTL& r : rects) {
        if (IsEmptyRect(r))
            continue;
        bounds = first ? r
                       : RECTL{std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                               std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
        first = false;
    }
    return bounds;
}

} // namespace platform::engine
