#include "session/display_model.h"

void DisplayModel::set(const QString& name, Aspect aspect, const QVariant& value) {
    auto it = values_.find(Key{name, aspect});
    if (it != values_.end()) {
        if (*it == value) return;
        *it = value;
    } else {
        values_.insert(Key{name, aspect}, value);
    }
    if (listener_) listener_(name, aspect, value);
}

QVariant DisplayModel::get(const QString& name, Aspect aspect) const {
    return values_.value(Key{name, aspect});
}

void DisplayModel::put(const QString& name, Aspect aspect, const QVariant& value) {
    values_.insert(Key{name, aspect}, value);
    if (listener_) listener_(name, aspect, value);
}

QString DisplayModel::itemName(const QString& list, int index) {
    return QStringLiteral("%1#%2").arg(list).arg(index);
}

QString DisplayModel::cellName(const QString& grid, int row, int column) {
    return QStringLiteral("%1(%2,%3)").arg(grid).arg(row).arg(column);
}

void DisplayModel::setItem(const QString& list, int index, const QString& text) {
    setText(itemName(list, index), text);
}

void DisplayModel::setCell(const QString& grid, int row, int column, const QString& text) {
    setText(cellName(grid, row, column), text);
}

bool DisplayModel::visible(const QString& name) const {
    const QVariant v = get(name, Aspect::Visible);
    return !v.isValid() || v.toBool();
}

bool DisplayModel::enabled(const QString& name) const {
    const QVariant v = get(name, Aspect::Enabled);
    return !v.isValid() || v.toBool();
}

Color DisplayModel::textColor(const QString& name) const {
    return get(name, Aspect::TextColor).value<Color>();
}

Color DisplayModel::background(const QString& name) const {
    return get(name, Aspect::Background).value<Color>();
}

int DisplayModel::selection(const QString& list) const {
    const QVariant v = get(list, Aspect::Selection);
    return v.isValid() ? v.toInt() : -1;
}

QString DisplayModel::item(const QString& list, int index) const {
    return text(itemName(list, index));
}

QString DisplayModel::cell(const QString& grid, int row, int column) const {
    return text(cellName(grid, row, column));
}
