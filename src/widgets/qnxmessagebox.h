#pragma once

#include <QMap>
#include <QMessageBox>

#include "qnxdialog.h"

class QLabel;
class QNxBaseButton;

// The skinned message box: a title, a text and a row of skinned buttons. exec() returns the
// standard Qt code of the button that was clicked (QMessageBox::Yes = 0x4000, ...). Escape
// and the close button answer with the escape button: Cancel if present, else No, else the
// only button, else NoButton (0). GUI thread only.
class QNxMessageBox : public QNxDialog {
    Q_OBJECT
public:
    QNxMessageBox(const QString& title, const QString& text,
                  QMessageBox::StandardButtons buttons = QMessageBox::Ok, QWidget* parent = nullptr,
                  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    QNxBaseButton* button(QMessageBox::StandardButton which) const;
    QMessageBox::StandardButton clickedButton() const { return m_clicked; }
    QMessageBox::StandardButton escapeButton() const { return m_escape; }
    QMessageBox::StandardButton defaultButton() const { return m_default; }
    QString text() const;

    static int information(QWidget* parent, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static int question(QWidget* parent, const QString& title, const QString& text,
                        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static int warning(QWidget* parent, const QString& title, const QString& text,
                       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                       QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finishWith(QMessageBox::StandardButton which);

    QLabel* m_text = nullptr;
    QMap<int, QNxBaseButton*> m_buttons;
    QMessageBox::StandardButton m_clicked = QMessageBox::NoButton;
    QMessageBox::StandardButton m_escape = QMessageBox::NoButton;
    QMessageBox::StandardButton m_default = QMessageBox::NoButton;
};
