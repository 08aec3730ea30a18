#include "field/FieldCanvas.h"

#include "platform/Blit.h"

FieldPictures loadFieldPictures(const QString& dataPath) {
    FieldPictures pictures;
    for (std::size_t k = 0; k < kTileSheetFiles.size(); ++k)
        pictures.tiles[k] = loadPictureFile(dataPath + QLatin1String(kTileSheetFiles[k]));
    for (std::size_t k = 0; k < 2; ++k) {
        pictures.party[k] = loadPictureFile(dataPath + QLatin1String(kPartySpriteFiles[k]));
        pictures.light[k] = loadPictureFile(dataPath + QLatin1String(kLightFiles[k]));
    }
    return pictures;
}
