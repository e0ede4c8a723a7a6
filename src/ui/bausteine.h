#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

// Small helpers that create a named control, so every builder reads as a
// list of the controls it places. Element i of a control array is named
// "name_i".
namespace bausteine {

QString element(const char* name, int index);

// Twips of the window designer in pixels of this screen (15 twips a pixel at 96 dpi).
int px(int twips);

QLabel* beschriftung(const QString& name);  // a caption, text set by the caption table
QLabel* anzeige(const QString& name);       // a value read-out with a sunken frame
QLabel* einheit(const QString& name, const QString& text);  // a unit beside a value
QPushButton* knopf(const QString& name);
QCheckBox* kasten(const QString& name);
QRadioButton* option(const QString& name);
QGroupBox* rahmen(const QString& name);
QLineEdit* textfeld(const QString& name);
QListWidget* liste(const QString& name, const QStringList& eintraege);
QScrollBar* schieber(const QString& name, Qt::Orientation richtung, int min, int max);
QProgressBar* balken(const QString& name);
QLabel* bild(const QString& name, const QPixmap& pixmap);

// A row of widgets in a horizontal layout without margins.
// Two value labels that read as one number: one sunken frame around both,
// no gap between them, the leading digits right-aligned against the rest.
QFrame* zahlfeld(QLabel* vorn, QLabel* hinten);
QWidget* zeile(std::initializer_list<QWidget*> teile);
// A grid of caption, value and unit per row; null entries leave a cell empty.
QGridLayout* raster(std::initializer_list<std::initializer_list<QWidget*>> zeilen);

}  // namespace bausteine
