// screencapture.h - a frozen picture of the whole virtual screen.
#pragma once

#include "platform/platform.h"

namespace prismara {

// Grabs every screen at its device pixels and composes them at their places in the virtual
// desktop. `parent` is the window asking (used as the parent of any desktop request).
ScreenCapture CaptureVirtualScreen(QWidget* parent);

} // namespace prismara
