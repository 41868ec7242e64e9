#include "qpreferencesdlg.h"

#include "convertwidget.h"
#include "generalwidget.h"
#include "languageswitcher.h"
#include "nxskin.h"
#include "preferencevalues.h"
#include "qnxbasebutton.h"
#include "qnxmessagebox.h"
#include "qnxscrollbar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr QSize kDialogSize(720, 560);
constexpr int kPageGap = 24;

QNxBaseButton* makeBottomButton(QWidget* parent, const QString& image, const char* objectName)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFontPixelSize(13);
    button->setFixedSize(button->size());
    return button;
}

QNxBaseButton* makePageButton(QWidget* parent, const char* objectName)
{
    auto* button = new QNxBaseButton(QStringLiteral("/image/common/btn_prefer.png"), parent);
    button->setObjectName(QLatin1String(objectName));
    button->setCheckable(true);
    button->setFontPixelSize(13);
    button->setFixedSize(button->size());
    return button;
}

}  // namespace

QPreferencesDlg::QPreferencesDlg(QWidget* parent)
    : QPreferencesDlg(LanguageSwitcher::instance(), parent)
{
}

QPreferencesDlg::QPreferencesDlg(LanguageSwitcher& languages, QWidget* parent)
    : QNxDialogEx(parent),
      m_languages(languages),
      m_languageAtOpen(languages.currentName()),
      m_chosenLanguage(m_languageAtOpen),
      m_showProblem([](QWidget* owner, const QString& text) {
          QNxMessageBox::warning(owner, tr("Preferences"), text);
      })
{
    setObjectName(QStringLiteral("QPreferencesDlg"));
    setModal(true);
    setFixedSize(kDialogSize);
    setCloseButtonImage(QStringLiteral("/image/btn_close.png"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 14);
    outer->setSpacing(12);
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(buildPageButtons());
    body->addWidget(buildPages(), 1);
    outer->addLayout(body, 1);
    outer->addLayout(buildBottomRow());

    const PreferenceValues values = PreferenceValues::load();
    m_general->load(values);
    m_convert->load(values);
    m_folderAtOpen = values.outputFolder;
    m_autoUpdate = values.autoUpdate;

    connect(m_general, &GeneralWidget::sendUpdate, this,
            [this](bool automatic) { m_autoUpdate = automatic; });
    connect(m_general, &GeneralWidget::sendLanguageName, this, &QPreferencesDlg::setLanguge);
    connect(m_convert, &ConvertWidget::emitProblem, this,
            [this](const QString& text) { m_showProblem(this, text); });
    retranslateUi();
}

QLayout* QPreferencesDlg::buildPageButtons()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    m_btnGeneral = makePageButton(this, "m_btnGeneral");
    m_btnConvert = makePageButton(this, "m_btnConvert");
    m_btnGeneral->setChecked(true);
    for (QNxBaseButton* button : {m_btnGeneral, m_btnConvert}) {
        column->addWidget(button);
        connect(button, &QAbstractButton::clicked, this, &QPreferencesDlg::OnLeftBtn);
    }
    column->addStretch(1);
    return column;
}

QWidget* QPreferencesDlg::buildPages()
{
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("m_scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, m_scroll));
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("m_pages"));
    QPalette pal = content->palette();
    pal.setColor(QPalette::Window, NxSkin::panel());
    content->setPalette(pal);
    content->setAutoFillBackground(true);
    auto* pages = new QVBoxLayout(content);
    pages->setContentsMargins(0, 0, 10, 0);
    pages->setSpacing(kPageGap);
    m_general = new GeneralWidget(m_languages, content);
    m_general->setObjectName(QStringLiteral("GeneralWidget"));
    m_convert = new ConvertWidget(content);
    m_convert->setObjectName(QStringLiteral("ConvertWidget"));
    pages->addWidget(m_general);
    pages->addWidget(m_convert);
    pages->addStretch(1);
    m_scroll->setWidget(content);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &QPreferencesDlg::followScroll);
    return m_scroll;
}

QLayout* QPreferencesDlg::buildBottomRow()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch(1);
    m_btnOk = makeBottomButton(this, QStringLiteral("/image/common/btn_accent.png"), "m_btnOk");
    m_btnCancel =
        makeBottomButton(this, QStringLiteral("/image/common/btn_common.png"), "m_btnCancel");
    row->addWidget(m_btnOk);
    row->addWidget(m_btnCancel);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QPreferencesDlg::OnBtnOk);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QPreferencesDlg::reject);
    return row;
}

void QPreferencesDlg::retranslateUi()
{
    setTitle(tr("Preferences"));
    m_btnGeneral->setText(tr("General"));
    m_btnConvert->setText(tr("Convert"));
    m_btnOk->setText(tr("OK"));
    m_btnCancel->setText(tr("Cancel"));
}

void QPreferencesDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QNxDialogEx::changeEvent(event);
}

void QPreferencesDlg::setProblemPresenter(ProblemPresenter presenter)
{
    m_showProblem = std::move(presenter);
}

void QPreferencesDlg::OnLeftBtn()
{
    auto* pressed = qobject_cast<QNxBaseButton*>(sender());
    if (!pressed)
        return;
    m_btnGeneral->setChecked(pressed == m_btnGeneral);
    m_btnConvert->setChecked(pressed == m_btnConvert);
    QWidget* page = pressed == m_btnGeneral ? static_cast<QWidget*>(m_general) : m_convert;
    const QSignalBlocker quiet(m_scroll->verticalScrollBar());
    m_scroll->verticalScrollBar()->setValue(page->y());
}

void QPreferencesDlg::followScroll(int position)
{
    // The Convert page counts as shown once its top is in the upper half of the view, or
    // when the view cannot scroll further.
    const QScrollBar* bar = m_scroll->verticalScrollBar();
    const bool convert = position >= m_convert->y() - m_scroll->viewport()->height() / 2 ||
                         (bar->maximum() > 0 && position == bar->maximum());
    m_btnGeneral->setChecked(!convert);
    m_btnConvert->setChecked(convert);
}

void QPreferencesDlg::OnBtnOk()
{
    if (!m_convert->checkInput())
        return;
    PreferenceValues values;
    m_convert->save(&values);
    m_general->save(&values);
    values.store();
    LanguageSwitcher::storeName(m_chosenLanguage);
    m_languageAtOpen = m_chosenLanguage;
    emit emitAutoUpdate(values.autoUpdate);
    if (values.outputFolder != m_folderAtOpen)
        emit emitOutputFolderChanged(values.outputFolder);
    closeAnimated(QDialog::Accepted);
}

void QPreferencesDlg::setLanguge(const QString& name)
{
    m_chosenLanguage = name;
}

void QPreferencesDlg::reject()
{
    restoreLanguage();
    closeAnimated(QDialog::Rejected);
}

void QPreferencesDlg::OnBtnClose()
{
    reject();
}

void QPreferencesDlg::restoreLanguage()
{
    if (m_languages.currentName() == m_languageAtOpen)
        return;
    m_languages.switchTo(m_languageAtOpen);
    m_chosenLanguage = m_languageAtOpen;
    m_general->showLanguage(m_languageAtOpen);
}
