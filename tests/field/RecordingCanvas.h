#pragma once

#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "field/FieldCanvas.h"

// A canvas that draws nothing and writes down every operation, so tests can see which cells the
// view draws, where, from which sheet cell and in what order.
class RecordingCanvas : public FieldCanvas {
  public:
    QStringList ops;

    const QImage& backBuffer() override { return image_; }
    void clear() override { ops << QStringLiteral("clear"); }
    void copyTile(TileLayer layer, int column, int row, int x, int y) override {
        ops << QStringLiteral("copy %1 %2,%3 at %4,%5")
                   .arg(name(layer))
                   .arg(column)
                   .arg(row)
                   .arg(x)
                   .arg(y);
    }
    void maskTile(TileLayer layer, int column, int row, int x, int y) override {
        ops << QStringLiteral("mask %1 %2,%3 at %4,%5")
                   .arg(name(layer))
                   .arg(column)
                   .arg(row)
                   .arg(x)
                   .arg(y);
    }
    void drawParty(int column, int row, int x, int y) override {
        ops << QStringLiteral("party %1,%2 at %3,%4").arg(column).arg(row).arg(x).arg(y);
    }
    void drawLight(int x, int y, int w, int h) override {
        ops << QStringLiteral("light %1,%2 %3x%4").arg(x).arg(y).arg(w).arg(h);
    }
    void present(QImage&) override { ops << QStringLiteral("present"); }

    // The operations that start with prefix.
    QStringList only(const QString& prefix) const {
        return ops.filter(QRegularExpression(u'^' + prefix));
    }

  private:
    static QString name(TileLayer layer) {
        switch (layer) {
            case TileLayer::Ground:
                return QStringLiteral("ground");
            case TileLayer::Feature:
                return QStringLiteral("feature");
            case TileLayer::Prop:
                return QStringLiteral("prop");
            case TileLayer::Block:
                return QStringLiteral("block");
            case TileLayer::Tall:
                return QStringLiteral("tall");
        }
        return {};
    }
    QImage image_;
};
