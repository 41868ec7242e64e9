#pragma once
// QVideoEditTag: the edit dialog's row of tab buttons. Buttons are created in a fixed order, so
// their indices never change: 0 "Trim", 1 "Effect", 2 "Tag". The selected button is checked and
// ignores clicks (it stays enabled so that it is drawn as selected, not greyed out); selecting
// another one emits its index.

#include <QVector>
#include <QWidget>

class QNxBaseButton;

class QVideoEditTag : public QWidget {
    Q_OBJECT
public:
    enum Tab { Trim = 0, Effect = 1, Tag = 2 };

    explicit QVideoEditTag(QWidget* parent = nullptr);

    int currentIndex() const { return m_current; }
    int count() const { return m_buttons.size(); }
    QNxBaseButton* button(int index) const { return m_buttons.value(index); }
    // Selects a tab as if its button was clicked (emits emitSelectedTag when it changes).
    void selectTab(int index);
    // A hidden tab is also disabled; when it was selected, the selection moves to the first
    // visible tab at or after it (or before it when none follows).
    void setTabHidden(int index, bool hidden);
    void setTabEnabled(int index, bool enabled);
    bool isTabHidden(int index) const;

signals:
    void emitSelectedTag(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void layoutButtons();

    QVector<QNxBaseButton*> m_buttons;
    QVector<bool> m_hidden;
    int m_current = -1;
};
