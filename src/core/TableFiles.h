#pragma once

#include <QString>
#include <vector>

#include "core/MasterTables.h"
#include "core/ValueReader.h"

struct GameState;

// Readers of the eleven files that make up the master tables. Each one reads record after record
// from its stream: before every record (never inside one) it stops at the end of the file, and
// its loop limit stops it too. Slots that no record reached keep what they held. A record cut
// short, a field that does not fit, or a record beyond the table raises a GameError naming the
// file and the position.
void Sene_Load(ValueReader& in, MasterTables& t);  // scenes 1..40
void Ca_Load(ValueReader& in, MasterTables& t);    // characters 0..100
void En_Load(ValueReader& in, MasterTables& t);    // enemies 1..100
void B_Load(ValueReader& in, MasterTables& t);     // equipment 1..100
void I_Load(ValueReader& in, MasterTables& t);     // items 1..100
void M_Load(ValueReader& in, MasterTables& t);     // magic 1..100
// The four parts of the text tables.
void Text_Load_timei(ValueReader& in, MasterTables& t);   // place names and maps 0..99
void Text_Load_mati(ValueReader& in, MasterTables& t);    // town list 0..99
void Text_Load_MatiEv(ValueReader& in, MasterTables& t);  // facilities 1..100
void Text_Load_Kaiwa(ValueReader& in, MasterTables& t);   // tavern speakers 1..300
void MapEv_Load(ValueReader& in, MasterTables& t);        // places 0..99 (replaces PlaceMap)

// The names of the five record files; the others are fixed.
struct MasterFileNames {
    QString ca = QStringLiteral("Ca_DataFile");
    QString en = QStringLiteral("En_DataFile2");
    QString b = QStringLiteral("B_DataFile");
    QString i = QStringLiteral("I_DataFile");
    QString m = QStringLiteral("M_DataFile");

    static MasterFileNames of(const GameState& st);
    // Sets CaFileName … MFileName of the state to these names.
    void applyTo(GameState& st) const;
};

// One file of the master tables and its reader.
struct TableFile {
    QString name;
    void (*read)(ValueReader&, MasterTables&);
};

// The files in the order they are loaded. The order matters for PlaceMap only: "MapEv_F", read
// last, replaces the map names of "timei_F".
std::vector<TableFile> tableFiles(const MasterFileNames& names);

// Opens dataPath & file.name and runs its reader into t. Any error raised while reading (an index
// outside a table included) names the file and the position reached.
void readTableFile(const QString& dataPath, const TableFile& file, MasterTables& t);
