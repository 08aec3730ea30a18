#include "core/DataLoad.h"

#include <memory>

#include "core/GameState.h"
#include "core/TableFiles.h"

void Data_LoadAll(GameState& st) {
    // A copy, not empty tables: slots that the files do not reach keep what they held.
    auto staged = std::make_unique<MasterTables>(static_cast<const MasterTables&>(st));
    for (const TableFile& file : tableFiles(MasterFileNames::of(st)))
        readTableFile(st.DataPath, file, *staged);
    static_cast<MasterTables&>(st) = std::move(*staged);
}
