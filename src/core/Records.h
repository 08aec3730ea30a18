#pragma once

#include <QString>

// Records of the five master tables. Texts are fixed-width fields (20 or 10 characters, filled
// with spaces on the right); screens trim the spaces when they show them.

struct CharacterRecord {
    int CharNo = 0;  // equipment group (special equipment)
    int Level = 0;
    QString CharName;   // text(20)
    QString ClassName;  // text(20)
    int ClassNo = 0;
    int MaxHP = 0, MaxMP = 0;
    int Vitality = 0, Strength = 0, Intellect = 0, Agility = 0, Dexterity = 0, Charm = 0;
    int WeaponNo = 0, ArmourNo = 0, HelmetNo = 0, ShieldNo = 0, ExtraNo = 0;
    int FaceNo = 0;
    int Extra114 = 0, Extra116 = 0;  // kept, unused
    bool operator==(const CharacterRecord&) const = default;
};

struct EnemyRecord {
    int EnemyNo = 0;
    QString EnemyName;  // text(20)
    int EnemyAttack = 0;
    QString EnemyPicture;  // text(20)
    int En84 = 0;
    int EnemyHP = 0, EnemyPower = 0, EnemyDefence = 0, EnemyMagicDefence = 0;
    int En94 = 0;
    int EnemyExp = 0;
    int EnemySpecial = 0;
    bool operator==(const EnemyRecord&) const = default;
};

struct EquipRecord {
    int EquipNo = 0;
    int EquipKind = 0;
    QString EquipName;  // text(20)
    int EquipPower = 0;
    int EquipSpare46 = 0;
    int EquipPrice = 0;
    int EquipSpare50 = 0;
    QString EquipSpare52;  // text(10)
    int EquipClassMask = 0;
    QString EquipSpare74;  // text(10)
    int EquipSlot = 0;
    QString EquipText;  // text(20)
    bool operator==(const EquipRecord&) const = default;
};

struct ItemRecord {
    int ItemNo = 0;
    int ItemKind = 0;
    QString ItemName;  // text(20)
    int ItemPower = 0;
    int ItemPrice = 0;
    int ItemEffect = 0;
    QString ItemSpare50;  // text(10)
    QString ItemSpare70;  // text(10)
    int ItemKeep = 0;
    QString ItemText;  // text(20)
    bool operator==(const ItemRecord&) const = default;
};

struct MagicRecord {
    int MagicNo = 0;
    int MagicIcon = 0;
    QString MagicName;  // text(20)
    int MagicSpare44 = 0;
    int MagicPower = 0;
    int MagicCost = 0;
    QString MagicSpare50;  // text(10)
    int MagicKind = 0;
    QString MagicSpare72;  // text(10)
    int MagicEffect = 0;
    QString MagicSpare94;  // text(10)
    int MagicSpare114 = 0, MagicSpare116 = 0;
    QString MagicText;  // text(20)
    bool operator==(const MagicRecord&) const = default;
};
