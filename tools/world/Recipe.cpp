#include "world/Recipe.h"

#include <QStringList>

Recipe::Recipe(const QString& text) : text_(text) {
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const int eq = parts[i].indexOf(u'=');
        if (i == 0 && eq < 0) {
            kind_ = parts[i];
        } else if (eq < 0) {
            params_.insert(parts[i], QStringLiteral("yes"));
        } else {
            params_.insert(parts[i].left(eq), parts[i].mid(eq + 1));
        }
    }
}

QString Recipe::str(const QString& key, const QString& fallback) const {
    return params_.value(key, fallback);
}

QColor Recipe::color(const QString& key, const QColor& fallback) const {
    if (!params_.contains(key)) return fallback;
    const QColor c = QColor::fromString(params_.value(key));
    return c.isValid() ? c : fallback;
}

double Recipe::num(const QString& key, double fallback) const {
    bool ok = false;
    const double v = params_.value(key).toDouble(&ok);
    return ok ? v : fallback;
}

Recipe Recipe::sub(const QString& key, const QString& prefix) const {
    QString t = str(key);
    for (auto it = params_.constBegin(); it != params_.constEnd(); ++it)
        if (it.key().startsWith(prefix))
            t += u' ' + it.key().mid(prefix.size()) + u'=' + it.value();
    return Recipe(t);
}
