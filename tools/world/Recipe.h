#pragma once

#include <QColor>
#include <QMap>
#include <QString>

// A painting recipe from the content files: a kind followed by key=value settings, for example
// "slime body=#5fbf5f eyes=2 size=0.8". Painters read the settings with defaults.
class Recipe {
  public:
    Recipe() = default;
    explicit Recipe(const QString& text);

    const QString& kind() const { return kind_; }
    const QString& text() const { return text_; }
    bool has(const QString& key) const { return params_.contains(key); }
    QString str(const QString& key, const QString& fallback = QString()) const;
    QColor color(const QString& key, const QColor& fallback) const;
    double num(const QString& key, double fallback) const;
    int integer(const QString& key, int fallback) const { return int(num(key, fallback)); }
    bool flag(const QString& key) const { return has(key) && str(key) != QStringLiteral("no"); }
    // The recipe named by key (its kind) with the settings whose keys start with prefix, the
    // prefix removed: "floor=flagstone f.base=#808080" gives "flagstone base=#808080".
    Recipe sub(const QString& key, const QString& prefix) const;

  private:
    QString text_;
    QString kind_;
    QMap<QString, QString> params_;
};
