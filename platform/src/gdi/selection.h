#pragma once
// selection.h - what selecting objects into device contexts means for the objects: a bitmap belongs to one
// memory DC at a time, and an object deleted while selected goes when it is deselected.

#include "gdi/device_context.h"

namespace platform {

// Puts the attributes in place of the DC's current ones (RestoreDC), moving its bitmap selection and finishing
// the pending deletions of the objects no longer selected.
void ReplaceAttributes(DeviceContext& dc, DcAttributes attrs);

// Lets go of everything a DC being deleted (and already out of the table) had selected.
void ReleaseSelections(DeviceContext& dc);

} // namespace platform
