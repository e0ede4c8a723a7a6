#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/gauge.h"

// Small helpers that create a named control, so every builder reads as a
// list of the controls it places. Element i of a control array is named
// "name_i".
namespace buildingBlocks {

QString element(const char* name, int index);

// Twips of the window designer in pixels of this screen (15 twips a pixel at 96 dpi).
int px(int twips);

QLabel* caption(const QString& name);                    // a caption, text set by the caption table
QLabel* display(const QString& name);                    // a value read-out with a sunken frame
QLabel* unit(const QString& name, const QString& text);  // a unit beside a value
QPushButton* button(const QString& name);
QCheckBox* checkBox(const QString& name);
QRadioButton* option(const QString& name);
QGroupBox* frame(const QString& name);
QLineEdit* textField(const QString& name);
QListWidget* list(const QString& name, const QStringList& entries);
QScrollBar* scrollBar(const QString& name, Qt::Orientation direction, int min, int max);
// A horizontal scroll bar the keyboard moves too: an arrow key by one, a page key by `page`.
QScrollBar* slider(const QString& name, int min, int max, int page);
// Wide enough that the mouse can set every value of the slider, a pixel apiece.
QScrollBar* everyValueReachable(QScrollBar* s);
Gauge* bar(const QString& name);
QLabel* picture(const QString& name, const QPixmap& pixmap);

// A row of widgets in a horizontal layout without margins.
// Two value labels that read as one number: one sunken frame around both,
// no gap between them, the leading digits right-aligned against the rest.
QFrame* numberField(QLabel* lead, QLabel* tail);
QWidget* row(std::initializer_list<QWidget*> parts);
// An output's plus and minus pulse pictures side by side, both hidden until
// a meter's polarity is shown.
QWidget* polarityPictures(const char* plus, const char* minus);
// A grid of caption, value and unit per row; null entries leave a cell empty.
QGridLayout* grid(std::initializer_list<std::initializer_list<QWidget*>> rows);

}  // namespace buildingBlocks
