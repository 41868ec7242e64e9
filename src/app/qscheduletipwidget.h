#pragma once
// The small floating notes of the schedule: the countdown before a scheduled start (bottom
// right of the screen, with a close button) and the note that appears over the schedule
// button while a schedule is armed. They never take the focus. GUI thread only.

#include <QWidget>

class QLabel;
class QNxBaseButton;

class QScheduleTipWidget : public QWidget {
    Q_OBJECT
public:
    // With `closable` the tip has a close button that sends emitClose.
    explicit QScheduleTipWidget(bool closable, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;
    // Moves the tip into the bottom right corner of the available area of `screenOf`'s screen.
    void placeAtScreenCorner(const QWidget* screenOf);
    QNxBaseButton* closeButton() const { return m_btnClose; }

signals:
    // The user closed the tip (the argument is the button's id, always 0).
    void emitClose(int n);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslateUi();

    QLabel* m_text = nullptr;
    QNxBaseButton* m_btnClose = nullptr;
};
