#pragma once

#include <QString>

// The pictures of the main window's image list, by their index.
enum class ImageKey {
    On = 1,      // "on": idle state picture
    Off = 2,     // "off": running state picture
    Spare = 3,   // not shown anywhere
    Stopped = 4, // "stopped": tray picture while no run is going
    IsImage = 5, // "is_image": tray picture after an image arrived
    NoImage = 6, // "no_image": tray picture after anything else
};

// The image list key of a picture ("on", "off", "stopped", ...); empty for the spare one.
QString imageKeyName(ImageKey key);
