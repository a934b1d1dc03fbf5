#pragma once
// Makes the process work in device pixels: one picture pixel per screen
// pixel in the overlay and captures at the monitor's full resolution,
// whatever scale factor the desktop asks Qt for. Must run before the
// application object exists.
void DpiAware();
