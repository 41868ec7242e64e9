#include "qnxmainwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qnxbasebutton.h"
#include "qnxwidget.h"

QNxMainWindow::QNxMainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    setFont(NxSkin::font(12));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, NxSkin::panel());
    pal.setColor(QPalette::WindowText, NxSkin::text());
    setPalette(pal);

    m_titleBar = new QNxWidget(this);
    m_titleBar->setBackgroundColor(QColor(24, 25, 31));
    m_titleBar->setFixedHeight(kTitleBarHeight);
    m_titleBar->installEventFilter(this);
    m_titleLayout = new QHBoxLayout(m_titleBar);
    m_titleLayout->setContentsMargins(12, 0, 6, 0);
    m_titleLayout->setSpacing(2);

    auto* logo = new QLabel(m_titleBar);
    logo->setPixmap(NxSkin::pixmap(QStringLiteral("/image/common/no_title_logo.png"))
                        .scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_titleLayout->addWidget(logo);
    m_titleLayout->addSpacing(8);
    m_title = new QLabel(m_titleBar);
    m_title->setFont(NxSkin::font(13, true));
    m_title->setStyleSheet(QStringLiteral("color: rgb(214, 216, 224);"));
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_titleLayout->addWidget(m_title);
    m_titleLayout->addStretch(1);
    m_customInsert = m_titleLayout->count();

    m_btnMin = new QNxBaseButton(QStringLiteral("/image/btn_min.png"), m_titleBar);
    m_btnMax = new QNxBaseButton(QStringLiteral("/image/btn_max.png"), m_titleBar);
    m_btnRestore = new QNxBaseButton(QStringLiteral("/image/btn_restore.png"), m_titleBar);
    m_btnClose = new QNxBaseButton(QStringLiteral("/image/btn_close.png"), m_titleBar);
    retranslateTitleBar();
    for (QNxBaseButton* button : {m_btnMin, m_btnMax, m_btnRestore, m_btnClose}) {
        button->setFocusPolicy(Qt::NoFocus);
        m_titleLayout->addWidget(button);
    }
    connect(m_btnMin, &QAbstractButton::clicked, this, &QNxMainWindow::OnShowMin);
    connect(m_btnMax, &QAbstractButton::clicked, this, &QNxMainWindow::OnShowMax);
    connect(m_btnRestore, &QAbstractButton::clicked, this, &QNxMainWindow::OnShowRestored);
    connect(m_btnClose, &QAbstractButton::clicked, this, &QNxMainWindow::OnClose);
    setMenuWidget(m_titleBar);
    updateMaxRestore();
    connect(this, &QWidget::windowTitleChanged, m_title, &QLabel::setText);
}

void QNxMainWindow::addTitleBarButton(QNxBaseButton* button)
{
    button->setParent(m_titleBar);
    button->setFocusPolicy(Qt::NoFocus);
    m_titleLayout->insertWidget(m_customInsert++, button);
}

void QNxMainWindow::addTitleBarWidget(QWidget* widget, int stretch)
{
    widget->setParent(m_titleBar);
    // After the title, before the stretch that pushes the buttons to the right.
    m_titleLayout->insertWidget(m_customInsert - 1, widget, stretch);
    ++m_customInsert;
}

void QNxMainWindow::OnShowMin()
{
    showMinimized();
}

void QNxMainWindow::OnShowMax()
{
    showMaximized();
}

void QNxMainWindow::OnShowRestored()
{
    showNormal();
}

void QNxMainWindow::OnClose()
{
    close();
}

void QNxMainWindow::updateMaxRestore()
{
    const bool maximized = isMaximized();
    m_btnMax->setVisible(!maximized);
    m_btnRestore->setVisible(maximized);
}

bool QNxMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_titleBar)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton && !isMaximized()) {
                m_dragging = true;
                m_dragOffset = me->globalPos() - frameGeometry().topLeft();
                return true;
            }
            break;
        }
        case QEvent::MouseMove:
            if (m_dragging) {
                move(static_cast<QMouseEvent*>(event)->globalPos() - m_dragOffset);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m_dragging) {
                m_dragging = false;
                return true;
            }
            break;
        case QEvent::MouseButtonDblClick:
            m_dragging = false;
            if (isMaximized())
                OnShowRestored();
            else
                OnShowMax();
            return true;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void QNxMainWindow::retranslateTitleBar()
{
    m_btnMin->setToolTip(tr("Minimize"));
    m_btnMax->setToolTip(tr("Maximize"));
    m_btnRestore->setToolTip(tr("Restore"));
    m_btnClose->setToolTip(tr("Close"));
}

void QNxMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        updateMaxRestore();
    else if (event->type() == QEvent::LanguageChange)
        retranslateTitleBar();
    QMainWindow::changeEvent(event);
}

void QNxMainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), NxSkin::panel());
    if (!isMaximized()) {
        painter.setPen(QColor(44, 47, 58));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
