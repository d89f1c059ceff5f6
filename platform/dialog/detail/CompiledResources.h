#pragma once
// The files of res/ compiled into the platform library (bitmaps, the
// animation, the icon): registered on first use, which also keeps the
// linker from dropping them from the static library.
void LoadCompiledResources();
