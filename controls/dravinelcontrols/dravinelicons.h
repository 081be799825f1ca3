#pragma once

// The library's own icons as XPM data (one character per pixel), to be handed to QPixmap
// directly. They are built at library load and never change. Items that choose no icon of
// their own show the tree control's default item icon.
namespace DravinelIcons
{

// Shown by the root item and the device items; the device-job menu entry.
const char* const* Device();
// Shown by control-set items.
const char* const* ControlSet();
// Shown by the offline-job menu entry.
const char* const* JobDocument();
// Shown by the job dialog's FFM button (15 x 16).
const char* const* FfmButton();
// Shown by the job dialog's search button.
const char* const* SearchButton();
// Shown by the job dialog's scan button.
const char* const* ScanButton();
// Shown by the FFM button of the 18 x 18 set.
const char* const* FfmButtonLarge();
// Shown by the search button of the 18 x 18 set.
const char* const* SearchButtonLarge();
// Shown by the scan button of the 18 x 18 set.
const char* const* ScanButtonLarge();
// Shown by the Tools menu entry "Connect to...".
const char* const* Connect();
// Shown by the Tools menu entry "Disconnect".
const char* const* Disconnect();
// Shown by the Tools menu entry "Upload".
const char* const* Upload();
// Shown by the Tools menu entry "Download".
const char* const* Download();

} // namespace DravinelIcons
