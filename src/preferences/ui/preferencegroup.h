#pragma once
// The framed group of the preferences pages: the surface colour, a rounded border and the
// title in the top-left corner of the frame, with the controls one per row. GUI thread only.

#include <QColor>
#include <QGroupBox>

class QLabel;
class QVBoxLayout;

class PreferenceGroup : public QGroupBox {
    Q_OBJECT
public:
    PreferenceGroup(const char* objectName, QWidget* parent);

    // The group's layout of one control per row, made on first use.
    QVBoxLayout* rows();
    // Gives a layout of a group the margins and spacing of the rows (for groups laid out as a
    // grid instead).
    static void frame(QLayout* layout);
    // A label in the pages' font, in the skin's text colour unless told otherwise.
    static QLabel* makeLabel(QWidget* parent, const QColor& colour = QColor());
};
