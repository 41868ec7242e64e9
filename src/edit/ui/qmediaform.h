#pragma once
// QMediaForm: the picture area of the edit dialog's Effect tab. For a sound file it shows the
// file's cover (or a plain panel with the file name when there is none), so the Effect tab
// says which recording the effects are heard on. GUI thread only.

#include <QImage>
#include <QWidget>

class QMediaForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 160;

    explicit QMediaForm(QWidget* parent = nullptr);

    const QImage& coverImage() const { return m_cover; }
    void setFileName(const QString& name);
    // The tab the area is shown on (1, the Effect tab, in this product).
    void setCurrentTab(int index) { m_tab = index; }
    int currentTab() const { return m_tab; }

public slots:
    void OnSetCoverImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_cover;
    QString m_fileName;
    int m_tab = -1;
};
