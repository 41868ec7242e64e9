#pragma once

#include <QColor>
#include <QWidget>

// Carries the colours of a view's delegates as properties, so that they can be set from a
// style sheet ("QDelegateStyleWidget { qproperty-hoverColor: #1e2028; }"), which does not
// reach delegates directly. An invisible child of the view; delegates read it at paint time.
// GUI thread only.
class QDelegateStyleWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor MEMBER m_backgroundColor)
    Q_PROPERTY(QColor alternateColor MEMBER m_alternateColor)
    Q_PROPERTY(QColor hoverColor MEMBER m_hoverColor)
    Q_PROPERTY(QColor selectedColor MEMBER m_selectedColor)
    Q_PROPERTY(QColor textColor MEMBER m_textColor)
    Q_PROPERTY(QColor selectedTextColor MEMBER m_selectedTextColor)
    Q_PROPERTY(QColor disabledTextColor MEMBER m_disabledTextColor)
    Q_PROPERTY(QColor separatorColor MEMBER m_separatorColor)
public:
    explicit QDelegateStyleWidget(QWidget* parent = nullptr);

    QColor backgroundColor() const { return m_backgroundColor; }
    QColor alternateColor() const { return m_alternateColor; }
    QColor hoverColor() const { return m_hoverColor; }
    QColor selectedColor() const { return m_selectedColor; }
    QColor textColor() const { return m_textColor; }
    QColor selectedTextColor() const { return m_selectedTextColor; }
    QColor disabledTextColor() const { return m_disabledTextColor; }
    QColor separatorColor() const { return m_separatorColor; }
    // Applies a style sheet at once (polishes), so the colours are current for painting.
    void applyStyleSheet(const QString& sheet);

private:
    QColor m_backgroundColor;
    QColor m_alternateColor;
    QColor m_hoverColor;
    QColor m_selectedColor;
    QColor m_textColor;
    QColor m_selectedTextColor;
    QColor m_disabledTextColor;
    QColor m_separatorColor;
};
