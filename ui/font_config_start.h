#pragma once

namespace morvanta {

// The machine's font configuration, loaded on a thread of its own from StartLoadingFontConfig
// until WaitForFontConfig. The toolkit's first use of a font would otherwise load it on the
// spot (reading and parsing every configuration file, a good part of the window's start-up),
// after the toolkit's own start, which uses no font and keeps the main thread busy meanwhile.
// The toolkit then finds the configuration loaded and uses it as it stands.
void StartLoadingFontConfig();
// Waits until the configuration is loaded (at once if loading never started); call before any
// font is used.
void WaitForFontConfig();

}  // namespace morvanta
