#pragma once

namespace morvanta {

// On a Wayland desktop that also offers an X display (XWayland), runs the program on X
// unless the user chose a platform (QT_QPA_PLATFORM). The toolkit would otherwise pick its
// Wayland platform whenever WAYLAND_DISPLAY is set; on X the window takes its stored place
// and learns the window manager's frame. Call before the application object is made.
void PreferX11OnWayland();

// Every setting the program makes in the environment for the toolkit, which reads them when
// the application object is made: the platform choice above, and no shared-memory images on
// X11. Call before the application object is made.
void PrepareToolkitEnvironment();

}  // namespace morvanta
