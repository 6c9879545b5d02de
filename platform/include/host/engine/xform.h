#pragma once
// xform.h - XFORMOBJ: the transform from world to device space that GDI gives a path or text call.

#include <memory>
#include "win/winddi.h"

namespace platform::engine {

class XformObject {
public:
    explicit XformObject(const XFORML& matrix);
    ~XformObject();
    XformObject(const XformObject&) = delete;
    XformObject& operator=(const XformObject&) = delete;

    XFORMOBJ* get() { return &m_xo; }
    const XFORML& Matrix() const { return m_matrix; }

private:
    XFORMOBJ m_xo = {};
    XFORML m_matrix;
};

XformObject* FindXform(const XFORMOBJ* pxo);

} // namespace platform::engine
