#pragma once

#include <QImage>
#include <QString>

// Button icons of the screens (36 x 36 command and menu buttons, 28 x 28 small buttons), the
// battle's target marker and the field's light overlay.

// A button icon by name: item, magic, status, save, fight, flee, defend (36 x 36);
// plus, minus, page1, page2, prev, next (28 x 28). Unknown names raise a ContentError.
QImage buttonIcon(const QString& name);

// The target marker (32 x 32, transparent around a downward arrow), hardened.
QImage targetMarker();

// The light overlay: `andPicture` is white where the light reaches and black in the dark,
// with a dithered edge; `xorPicture` is black in the light and the colour of the night in the
// dark. The field combines them with AND then XOR over its view.
struct LightOverlay {
    QImage andPicture;
    QImage xorPicture;
};
LightOverlay lightOverlay();
