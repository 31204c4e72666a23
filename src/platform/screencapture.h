// screencapture.h - a frozen picture of the whole virtual screen.
#pragma once

#include "platform/platform.h"

#include <QList>

#include <functional>

namespace prismara {

// Captures every screen at its device pixels, composed at their places in the virtual desktop.
// Where a direct grab shows nothing (Wayland, or an X server that returns no picture or a black
// one) the desktop's screenshot portal is asked instead; a plain X server's black picture is
// kept when the portal cannot help. `parent` is the window asking; it
// becomes the parent of any desktop request. When nothing can be captured the result has no
// image and `error` says why.
ScreenCapture CaptureVirtualScreen(QWidget* parent);

// The choice behind CaptureVirtualScreen. On a Wayland platform only the portal can see the
// screen. Elsewhere the direct grab is taken unless it is blank; then the portal is asked, and
// when it fails the grab still stands on a plain X server (waylandSession false: the screen may
// really be black), while under Xwayland the portal's failure is the answer. A wait for the
// portal that the user cancelled is the answer everywhere.
ScreenCapture ChooseCapture(bool waylandPlatform, bool waylandSession, const std::function<ScreenCapture()>& direct,
                            const std::function<ScreenCapture()>& portal);

// One screen's direct grab: its picture at device pixels and its geometry in logical pixels.
struct ScreenGrab
{
    QImage image;  // null when the grab failed
    QRect geometry;
};

// Composes the grabs into one picture of the virtual screen (the union of the geometries). The
// picture has the largest device pixel ratio among the grabs, so every physical pixel of those
// screens is kept; screens of a lower ratio are enlarged by repeating pixels (their colours stay
// exact). Areas no screen covers are black. Fails when no grab holds a picture.
ScreenCapture ComposeScreenGrabs(const QList<ScreenGrab>& grabs);

// True for a null picture or one whose every pixel is black: what some X servers return when
// they cannot show the screen to a client.
bool IsBlankCapture(const QImage& image);

// The colour profiles an X11 colour manager put on the root window: _ICC_PROFILE for the first
// screen, _ICC_PROFILE_n for screen n (counted as the display lists them, the primary first).
// Empty on other platforms and where there is none.
std::vector<ScreenProfile> X11DisplayProfiles();

// The portal's identifier of the window asking: "x11:<hex window id>" on X11, "" elsewhere.
QString PortalParentWindow(QWidget* parent);

} // namespace prismara
