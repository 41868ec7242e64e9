#pragma once
// The framed group of the preferences pages: the surface colour, a rounded border and the
// title in the top-left corner of the frame. GUI thread only.

#include <QGroupBox>

class PreferenceGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit PreferenceGroup(QWidget* parent = nullptr);
};
