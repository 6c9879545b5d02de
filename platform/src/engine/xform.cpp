// xform.cpp - transform objects and XFORMOBJ_iGetXform / XFORMOBJ_bApplyXform.
#include "host/engine/xform.h"
#include "engine/registry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace platform::engine {
namespace {

AddressRegistry<XformObject>& Xforms()
{
    static auto* registry = new AddressRegistry<XformObject>();
    return *registry;
}

// Rounds to the nearest integer, halves away from zero; false when the result does not fit a LONG.
bool RoundToLong(double value, LONG& out)
{
    const double rounded = std::round(value);
    if (!(rounded >= std::numeric_limits<LONG>::min() && rounded <= std::numeric_limits<LONG>::max()))
        return false;
    out = static_cast<LONG>(rounded);
    return true;
}

} // namespace

XformObject::XformObject(const XFORML& matrix) : m_matrix(matrix)
{
    Xforms().Add(&m_xo, this);
}

XformObject::~XformObject()
{
    Xforms().Remove(&m_xo);
}

XformObject* FindXform(const XFORMOBJ* pxo)
{
    return Xforms().Find(pxo);
}

} // namespace platform::engine

ULONG APIENTRY XFORMOBJ_iGetXform(XFORMOBJ* pxo, XFORML* pxform)
{
    const auto* xform = platform::engine::FindXform(pxo);
    if (xform == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return DDI_ERROR;
    }
    const XFORML& m = xform->Matrix();
    if (pxform != nullptr)
        *pxform = m;
    if (m.eM12 != 0 || m.eM21 != 0)
        return GX_GENERAL;
    if (m.eM11 != 1 || m.eM22 != 1)
        return GX_SCALE;
    if (m.eDx != 0 || m.eDy != 0)
        return GX_OFFSET;
    return GX_IDENTITY;
}

BOOL APIENTRY XFORMOBJ_bApplyXform(XFORMOBJ* pxo, ULONG iMode, ULONG cPoints, PVOID pvIn, PVOID pvOut)
{
    const auto* xform = platform::engine::FindXform(pxo);
    if (xform == nullptr || iMode > XF_INV_FXTOL || (cPoints != 0 && (pvIn == nullptr || pvOut == nullptr))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const XFORML& m = xform->Matrix();
    double m11 = m.eM11, m12 = m.eM12, m21 = m.eM21, m22 = m.eM22, dx = m.eDx, dy = m.eDy;
    const bool inverse = iMode == XF_INV_LTOL || iMode == XF_INV_FXTOL;
    if (inverse) {
        const double det = m11 * m22 - m12 * m21;
        if (det == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const double i11 = m22 / det, i12 = -m12 / det, i21 = -m21 / det, i22 = m11 / det;
        const double idx = -(dx * i11 + dy * i21), idy = -(dx * i12 + dy * i22);
        m11 = i11, m12 = i12, m21 = i21, m22 = i22, dx = idx, dy = idy;
    }
    const double inScale = iMode == XF_INV_FXTOL ? 1.0 / 16 : 1.0;   // input in 28.4
    const double outScale = iMode == XF_LTOFX ? 16.0 : 1.0;          // output in 28.4
    const auto* in = static_cast<const POINTL*>(pvIn);
    std::vector<POINTL> result(cPoints);
    for (ULONG i = 0; i < cPoints; ++i) {
        const double x = in[i].x * inScale;
        const double y = in[i].y * inScale;
        if (!platform::engine::RoundToLong((x * m11 + y * m21 + dx) * outScale, result[i].x) ||
            !platform::engine::RoundToLong((x * m12 + y * m22 + dy) * outScale, result[i].y)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    std::copy(result.begin(), result.end(), static_cast<POINTL*>(pvOut));   // pvIn and pvOut may be one array
    return TRUE;
}
