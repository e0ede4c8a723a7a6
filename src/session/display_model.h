#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

// A colour as 0xRRGGBB, or a system colour of the desktop (bit 31 set).
using Color = quint32;

namespace color {
constexpr Color Red = 0xFF0000;
constexpr Color Blue = 0x0000FF;
constexpr Color Green = 0x00FF00;
constexpr Color Grey = 0xC0C0C0;
constexpr Color LightYellow = 0xFFFFC0;
constexpr Color SystemTooltip = 0x80000018;      // background of tooltips
constexpr Color SystemTooltipText = 0x80000017;  // text of tooltips
constexpr Color SystemWindow = 0x80000005;       // background of windows and grids
}  // namespace color

// What one control shows: its text or caption, colours, whether it is shown
// and usable, a gauge or scroll position, a list selection, a gauge's full
// scale, the entries of a drop-down list, the wait cursor of a window, or
// the keyboard focus moving to a control, or a text box hiding what is typed.
enum class Aspect : quint8 {
    Text,
    TextColor,
    Background,
    Visible,
    Enabled,
    Value,
    Selection,
    Maximum,
    Items,
    WaitCursor,
    Focus,
    Masked
};

// The values the session publishes for the window, under the controls'
// names: "lblMEW", list entries as "ListKonfErr#2", grid cells as
// "tabStp_1(12,1)", tab pages as "regkor2_1", menu entries as "mnudatei_7",
// the title and cursor under "frmkor2", the status text under "SB1_1" and
// controls of the device data window as "frmND.name". The window renders
// each change; tests read the values back. Setting a value that is already
// there changes nothing, so the window repaints only what changed.
class DisplayModel {
public:
    using Listener = std::function<void(const QString& name, Aspect aspect, const QVariant& value)>;

    void set(const QString& name, Aspect aspect, const QVariant& value);
    // The value last set, or an invalid one.
    QVariant get(const QString& name, Aspect aspect) const;
    void setListener(Listener listener) { listener_ = std::move(listener); }
    // Sets a value of a control the technician can change too (a list
    // selection, the current tab, a text box): the window is told even when
    // the value is the one set last, since the control may show another by now.
    void put(const QString& name, Aspect aspect, const QVariant& value);

    void setText(const QString& name, const QString& text) { set(name, Aspect::Text, text); }
    void setTexts(std::initializer_list<const char*> names, const QString& text) {
        for (const char* n : names)
            setText(QLatin1String(n), text);
    }
    void setVisible(const QString& name, bool shown) { set(name, Aspect::Visible, shown); }
    void setTextColor(const QString& name, Color c) { set(name, Aspect::TextColor, c); }
    void setBackground(const QString& name, Color c) { set(name, Aspect::Background, c); }
    void setValue(const QString& name, int value) { set(name, Aspect::Value, value); }
    void setSelection(const QString& list, int index) { put(list, Aspect::Selection, index); }
    void setItem(const QString& list, int index, const QString& text);
    void setItems(const QString& list, const QStringList& items) {
        set(list, Aspect::Items, items);
    }
    void setCell(const QString& grid, int row, int column, const QString& text);

    QString text(const QString& name) const { return get(name, Aspect::Text).toString(); }
    // Controls are shown and usable until the session says otherwise.
    bool visible(const QString& name) const;
    bool enabled(const QString& name) const;
    Color textColor(const QString& name) const;
    Color background(const QString& name) const;
    int value(const QString& name) const { return get(name, Aspect::Value).toInt(); }
    int selection(const QString& list) const;
    QString item(const QString& list, int index) const;
    QString cell(const QString& grid, int row, int column) const;

private:
    static QString itemName(const QString& list, int index);
    static QString cellName(const QString& grid, int row, int column);

    struct Key {
        QString name;
        Aspect aspect;
        bool operator==(const Key& o) const { return aspect == o.aspect && name == o.name; }
    };
    friend size_t qHash(const Key& k, size_t seed) { return qHash(k.name, seed) ^ uint(k.aspect); }

    QHash<Key, QVariant> values_;
    Listener listener_;
};
