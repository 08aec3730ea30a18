#pragma once

#include <optional>

#include "world/DataWriter.h"
#include "world/World.h"

// The map file and stairs file the generator writes for one map, by name.
inline FileSet gameMapFiles(const MapGrid& m, const std::optional<StairsDef>& stairs) {
    World one;
    one.maps.insert(m.name, m);
    if (stairs) one.stairs.insert(m.name, *stairs);
    FileSet out;
    writeMaps(one, out);
    return out;
}

inline FileSet gameMapFiles(const World& w, const QString& name) {
    return gameMapFiles(w.maps[name], w.stairs.contains(name)
                                          ? std::optional<StairsDef>(w.stairs[name])
                                          : std::nullopt);
}
