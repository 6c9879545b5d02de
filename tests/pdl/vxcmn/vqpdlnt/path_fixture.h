#pragma once
// path_fixture.h - the writer fixture on a started page, with GDI's path and clip objects made as GDI makes
// them: paths from points in whole pixels (or 28.4 units) with their PT_ types, clips from rectangles.

#include "writer_fixture.h"
#include "host/engine/clip.h"
#include "host/engine/path.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/path_cache.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"

#include <initializer_list>
#include <memory>
#include <vector>

// A path point: x and y, and its PT_ type.
struct PathPoint {
    LONG x;
    LONG y;
    BYTE type;
};

class PathWriterTest : public WriterTest {
protected:
    void TearDown() override
    {
        m_paths.clear();
        m_clips.clear();
        WriterTest::TearDown();
    }

    // A PDEV of the devmode on a started page (the page's opening commands already taken).
    PDEV* OpenPage(const DRIVER_DEVMODE& dm)
    {
        if (Open(dm) == nullptr || !EngineStartPage(&m_surface))
            return nullptr;
        Take();
        return m_pdev;
    }

    PDEV* OpenPage()
    {
        return OpenPage(DefaultDevmode());
    }

    // A path of the points, in whole pixels (fix: in 28.4 units as they are).
    PATHOBJ* Path(std::initializer_list<PathPoint> points, bool fix = false)
    {
        std::vector<POINTFIX> fixes;
        std::vector<BYTE> types;
        for (const PathPoint& p : points) {
            fixes.push_back(fix ? POINTFIX{p.x, p.y} : POINTFIX{p.x * 16, p.y * 16});
            types.push_back(p.type);
        }
        m_paths.push_back(platform::engine::PathObject::FromPoints(fixes.data(), types.data(),
                                                                   static_cast<ULONG>(fixes.size())));
        return m_paths.back() != nullptr ? m_paths.back()->get() : nullptr;
    }

    // The records of the last path made, to break one on purpose.
    std::vector<platform::engine::PathObject::Record>& RecordsOfLastPath()
    {
        return const_cast<std::vector<platform::engine::PathObject::Record>&>(m_paths.back()->Records());
    }

    // A clip of the rectangles: DC_RECT for one, DC_COMPLEX with a rectangle list for more.
    CLIPOBJ* Clip(const std::vector<RECTL>& rects)
    {
        m_clips.push_back(platform::engine::ClipObject::FromRectangles(rects));
        return m_clips.back()->get();
    }

    CLIPOBJ* TrivialClip(const RECTL& bounds)
    {
        m_clips.push_back(platform::engine::ClipObject::Trivial(bounds));
        return m_clips.back()->get();
    }

    std::vector<std::unique_ptr<platform::engine::PathObject>> m_paths;
    std::vector<std::unique_ptr<platform::engine::ClipObject>> m_clips;
};
