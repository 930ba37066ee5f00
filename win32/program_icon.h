#pragma once

#include <windows.h>

namespace win32_ui {

// The calculator's icon (resource 1) at the size the system uses for `width_metric` and
// `height_metric` (SM_CXICON/SM_CYICON or SM_CXSMICON/SM_CYSMICON), shared, never destroyed.
inline HICON LoadIconOfSize(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                       GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_SHARED));
}

}  // namespace win32_ui
