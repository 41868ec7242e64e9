#include "qformatdlg.h"

#include "formatcatalogue.h"
#include "formatselection.h"
#include "nxskin.h"
#include "parserxml.h"
#include "qbaseiconlistdelegate.h"
#include "qformatsettingdlg.h"
#include "qiconlistmodel.h"
#include "qnxbasebutton.h"
#include "qnxcombobox.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxlineedit.h"
#include "qnxlistview.h"
#include "qualitypreset.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kFormatSet = QStringLiteral("FormatSet");
const QString kCategoriesRoleName = QStringLiteral("Categories");
constexpr int kCategoryRole = Qt::UserRole + 1;
constexpr int kMinTileWidth = 118;
constexpr int kTileHeight = 100;

QLabel* makeLabel(const QString& text, QWidget* parent, int pixels, const QColor& colour,
                  bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setFont(NxSkin::font(pixels, bold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

QNxBaseButton* makeButton(const QString& image, const QString& text, QWidget* parent)
{
    auto* button = new QNxBaseButton(image, parent);
    button->setText(text);
    button->setFontPixelSize(13);
    button->setFixedSize(button->size());
    return button;
}

}  // namespace

QFormatDlg::QFormatDlg(QWidget* parent)
    : QNxDialog(parent), m_catalogue(FormatCatalogue::instance())
{
    setTitle(tr("Format Setting"));
    setModal(true);
    resize(840, 580);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(12);
    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    outer->addLayout(body, 1);

    // Categories.
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(makeLabel(tr("Categories"), this, 12, NxSkin::textDim(), true));
    m_listCategory = new QNxListView(this);
    m_listCategory->setObjectName(QStringLiteral("m_listCategory"));
    m_categoryModel = new QStandardItemModel(this);
    m_categoryModel->setItemRoleNames(
        {{Qt::DisplayRole, "display"}, {kCategoryRole, kCategoriesRoleName.toLatin1()}});
    for (const QString& category : m_catalogue.categories()) {
        auto* item = new QStandardItem(category);
        item->setData(category, kCategoryRole);
        item->setEditable(false);
        m_categoryModel->appendRow(item);
    }
    m_listCategory->setModel(m_categoryModel);
    m_listCategory->setItemDelegate(new QNxControlStyleDelegate(m_listCategory));
    m_listCategory->setFixedWidth(170);
    m_listCategory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    left->addWidget(m_listCategory, 1);
    body->addLayout(left);

    // Profiles, preset and fields.
    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(makeLabel(tr("Formats"), this, 12, NxSkin::textDim(), true));
    searchRow->addStretch(1);
    m_editSearch = new QNxLineEdit(this);
    m_editSearch->setObjectName(QStringLiteral("m_editSearch"));
    m_editSearch->setPlaceholderText(tr("Search formats"));
    m_editSearch->setClearButtonEnabled(true);
    m_editSearch->setFixedWidth(220);
    searchRow->addWidget(m_editSearch);
    right->addLayout(searchRow);

    m_listView = new QNxListView(this);
    m_listView->setObjectName(QStringLiteral("m_listView"));
    m_model = new QIconListModel(this);
    m_listView->setModel(m_model);
    m_tiles = new QBaseIconListDelegate(m_listView);
    m_tiles->setTileSize(QSize(kMinTileWidth, kTileHeight));
    m_tiles->setIconSize(QSize(QFormatType::kIconSize, QFormatType::kIconSize));
    m_listView->setItemDelegate(m_tiles);
    m_listView->installEventFilter(this);
    m_listView->viewport()->installEventFilter(this);
    m_listView->setViewMode(QListView::IconMode);
    m_listView->setFlow(QListView::LeftToRight);
    m_listView->setWrapping(true);
    m_listView->setResizeMode(QListView::Adjust);
    m_listView->setMovement(QListView::Static);
    m_listView->setUniformItemSizes(true);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lblNoMatch = makeLabel(tr("No format matches the search."), m_listView->viewport(), 12,
                             NxSkin::textDim());
    m_lblNoMatch->setObjectName(QStringLiteral("m_lblNoMatch"));
    m_lblNoMatch->setAlignment(Qt::AlignCenter);
    // The list's style sheet reaches its children; the label states its own colour.
    m_lblNoMatch->setStyleSheet(
        QStringLiteral("QLabel{color:%1;background:transparent;}").arg(NxSkin::textDim().name()));
    m_lblNoMatch->hide();
    m_listView->setMinimumHeight(210);
    right->addWidget(m_listView, 1);

    auto* presetRow = new QHBoxLayout;
    presetRow->setSpacing(10);
    m_lblTitle = makeLabel(QString(), this, 13, NxSkin::textBright(), true);
    m_lblTitle->setObjectName(QStringLiteral("m_lblTitle"));
    presetRow->addWidget(m_lblTitle, 1);
    m_lblPreset = makeLabel(tr("Preset:"), this, 12, NxSkin::textDim());
    m_lblPreset->setObjectName(QStringLiteral("m_lblPreset"));
    presetRow->addWidget(m_lblPreset);
    m_cmbQuality = new QNxComboBox(this);
    m_cmbQuality->setObjectName(QStringLiteral("m_cmbQuality"));
    m_cmbQuality->addItems(QualityPreset::comboTexts());
    m_cmbQuality->setMinimumWidth(150);
    m_lblPreset->setBuddy(m_cmbQuality);
    presetRow->addWidget(m_cmbQuality);
    right->addLayout(presetRow);

    m_settingDlg = new QFormatSettingDlg(this);
    m_settingDlg->setObjectName(QStringLiteral("m_settingDlg"));
    right->addWidget(m_settingDlg);
    body->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    m_lblError = makeLabel(QString(), this, 12, NxSkin::warning());
    m_lblError->setObjectName(QStringLiteral("m_lblError"));
    m_lblError->hide();
    buttons->addWidget(m_lblError, 1);
    buttons->addStretch(1);
    m_btnOk = makeButton(QStringLiteral("/image/common/btn_accent.png"), tr("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("m_btnOk"));
    m_btnCancel = makeButton(QStringLiteral("/image/common/btn_common.png"), tr("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("m_btnCancel"));
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    outer->addLayout(buttons);

    m_closeAnimation = new QPropertyAnimation(this, "geometry", this);
    m_closeAnimation->setDuration(kCloseAnimationMs);
    m_closeAnimation->setEasingCurve(QEasingCurve::InCubic);
    connect(m_closeAnimation, &QPropertyAnimation::finished, this, &QFormatDlg::onCloseFinished);

    connect(m_listCategory, &QNxListView::emitCurrentChanged, this,
            [this](const QModelIndex& index) {
                const QString category = index.data(kCategoryRole).toString();
                if (index.isValid() && category != m_category)
                    emit emitTypeChange(category);
            });
    connect(this, &QFormatDlg::emitTypeChange, this, &QFormatDlg::changeCategories);
    connect(m_listView, &QNxListView::emitCurrentChanged, this, [this](const QModelIndex& index) {
        const QString id = index.data(QIconListModel::IdRole).toString();
        if (index.isValid() && id != m_id)
            emit emitChangeFormat(id.toStdString());
    });
    connect(this, &QFormatDlg::emitChangeFormat, this, &QFormatDlg::OnChangeFormat);
    connect(m_editSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->setSearchText(text);
        m_lblNoMatch->setVisible(m_model->rowCount() == 0);
        // The selection follows the chosen profile while it stays in the list.
        selectProfile(m_id);
    });
    connect(m_cmbQuality, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QFormatDlg::OnQualityChange);
    connect(m_settingDlg, &QFormatSettingDlg::emitCustomized, this,
            &QFormatDlg::settingValueChanged);
    connect(m_settingDlg, &QFormatSettingDlg::emitReset, this, &QFormatDlg::OnReset);
    connect(m_btnOk, &QAbstractButton::clicked, this, &QFormatDlg::OnBtnOk);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QFormatDlg::OnBtnCancel);
}

void QFormatDlg::loadSavedChoice()
{
    m_video = FormatDescriptor::current() == FormatDescriptor::video();
    const QString videoCategory = ParserXML::getSettingValue(
        kFormatSet, QStringLiteral("Video_Categories"), QStringLiteral("General Video"));
    const QString audioCategory = ParserXML::getSettingValue(
        kFormatSet, QStringLiteral("Audio_Categories"), QStringLiteral("General Audio"));
    const QString videoId =
        ParserXML::getSettingValue(kFormatSet, QStringLiteral("Video_Id"), QStringLiteral("4000"));
    const QString audioId =
        ParserXML::getSettingValue(kFormatSet, QStringLiteral("Audio_Id"), QStringLiteral("5000"));
    qDebug().noquote() << (m_video ? "------------Video setting------------"
                                   : "------------Audio setting------------");
    m_lblError->hide();
    m_editSearch->blockSignals(true);
    m_editSearch->clear();
    m_editSearch->blockSignals(false);
    m_model->setSearchText(QString());
    m_category.clear();
    m_id.clear();
    m_lastIdByCategory.clear();
    m_wantedId = m_video ? videoId : audioId;
    changeCategories(m_video ? videoCategory : audioCategory);
}

bool QFormatDlg::isClosing() const
{
    return m_closeAnimation->state() == QAbstractAnimation::Running;
}

void QFormatDlg::changeCategories(const QString& category)
{
    if (category == m_category && !m_id.isEmpty())
        return;
    m_category = category;
    selectCategoryRow(category);
    QVector<QFormatType> formats;
    for (const FormatProfile& profile : m_catalogue.profiles(category))
        formats.append(QFormatType(profile));
    m_model->setFormats(formats);
    m_lblNoMatch->setVisible(formats.isEmpty() || m_model->rowCount() == 0);
    // Coming back to a category shows the profile last chosen in it.
    QString id = m_wantedId.isEmpty() ? m_lastIdByCategory.value(category) : m_wantedId;
    m_wantedId.clear();
    if (!m_catalogue.profile(category, id).isValid())
        id = formats.isEmpty() ? QString() : formats.first().id();
    m_id.clear();
    OnChangeFormat(id.toStdString());
}

void QFormatDlg::selectCategoryRow(const QString& category)
{
    const QModelIndexList found = m_categoryModel->match(
        m_categoryModel->index(0, 0), kCategoryRole, category, 1, Qt::MatchExactly);
    const QSignalBlocker blocker(m_listCategory);
    if (found.isEmpty())
        m_listCategory->selectionModel()->clearSelection();
    else
        m_listCategory->setCurrentIndex(found.first());
    m_listCategory->viewport()->update();
}

void QFormatDlg::selectProfile(const QString& id)
{
    const int row = m_model->rowOfId(id);
    const QSignalBlocker blocker(m_listView);
    if (row < 0) {
        m_listView->selectionModel()->clearSelection();
    } else {
        const QModelIndex index = m_model->index(row, 0);
        m_listView->setCurrentIndex(index);
        m_listView->scrollTo(index);
    }
    m_listView->viewport()->update();
}

void QFormatDlg::OnChangeFormat(const std::string& idText)
{
    const QString id = QString::fromStdString(idText);
    const FormatProfile profile = m_catalogue.profile(m_category, id);
    m_id = profile.isValid() ? id : QString();
    if (profile.isValid())
        m_lastIdByCategory.insert(m_category, m_id);
    selectProfile(m_id);
    m_lblTitle->setText(profile.title());
    m_settingDlg->setProfile(profile);
    m_btnOk->setEnabled(profile.isValid());
    m_cmbQuality->setEnabled(profile.isValid());
    if (!profile.isValid())
        return;
    // Each profile keeps its own preset: the one recordings use with it.
    const int level = FormatSelection::qualityLevelInEffect(id);
    setQualityIndex(QualityPreset::comboIndexFromLevel(level));
    OnQualityChange(m_cmbQuality->currentIndex());
}

void QFormatDlg::setQualityIndex(int index)
{
    const QSignalBlocker blocker(m_cmbQuality);
    m_cmbQuality->setCurrentIndex(index);
}

void QFormatDlg::OnQualityChange(int index)
{
    if (m_id.isEmpty())
        return;
    const int level = QualityPreset::levelFromComboIndex(index);
    // Switching to "Customized" by hand keeps the values on screen unless some are stored.
    if (level == QualityPreset::kCustomized && ParserXML::loadCustomFormat(m_id).isEmpty())
        return;
    FormatDescriptor scratch;
    CustomFormatSettings fields;
    QString error;
    if (FormatSelection::loadProfileAtLevel(m_catalogue, m_category, m_id, level, &scratch, &fields,
                                            &error))
        m_settingDlg->setFields(fields);
    else
        qDebug() << "format dialog:" << error;
}

void QFormatDlg::settingValueChanged()
{
    setQualityIndex(QualityPreset::kCustomizedIndex);
    emit emitCustomized();
}

void QFormatDlg::OnBtnOk()
{
    if (isClosing() || m_id.isEmpty())
        return;
    const int index = m_cmbQuality->currentIndex();
    const CustomFormatSettings custom = m_settingDlg->fields();
    const bool customized = index == QualityPreset::kCustomizedIndex;
    if (!FormatSelection::confirm(m_catalogue, m_video, m_category, m_id, index,
                                  customized ? &custom : nullptr)) {
        // Nothing may look accepted that was not stored: the dialog stays open to try again
        // or cancel.
        m_lblError->setText(tr("The format could not be saved."));
        m_lblError->show();
        return;
    }
    m_lblError->hide();
    closeAnimated(QDialog::Accepted);
}

void QFormatDlg::OnBtnCancel()
{
    if (isClosing())
        return;
    closeAnimated(QDialog::Rejected);
}

void QFormatDlg::reject()
{
    OnBtnCancel();
}

void QFormatDlg::OnReset()
{
    FormatSelection::resetToDefaults(m_catalogue);
    loadSavedChoice();
    emit emitReset();
}

bool QFormatDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_listView)
            fitTiles();
        else if (watched == m_listView->viewport())
            m_lblNoMatch->setGeometry(m_listView->viewport()->rect());
    }
    return QNxDialog::eventFilter(watched, event);
}

void QFormatDlg::fitTiles()
{
    // As many columns of at least the minimum width as fit, sharing the width evenly so that
    // the tiles line up with both edges of the list. The list lays its items out in its
    // width less room for a vertical scroll bar, shown or not.
    const int width = m_listView->maximumViewportSize().width() -
                      m_listView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                       m_listView->verticalScrollBar());
    const int columns = qMax(1, (width - 2) / kMinTileWidth);
    const QSize cell(qMax(kMinTileWidth, (width - 2) / columns), kTileHeight);
    if (m_listView->gridSize() == cell)
        return;
    m_tiles->setTileSize(cell);
    m_listView->setGridSize(cell);
}

void QFormatDlg::showEvent(QShowEvent* event)
{
    QNxDialog::showEvent(event);
    // The window system may still deliver sizes of the fold after the dialog was hidden.
    if (m_openGeometry.isValid() && !isClosing() && geometry() != m_openGeometry)
        setGeometry(m_openGeometry);
    if (!isClosing())
        loadSavedChoice();
}

void QFormatDlg::closeAnimated(int result)
{
    m_closeResult = result;
    if (!isVisible()) {
        done(result);
        return;
    }
    m_openGeometry = geometry();
    // The window folds towards its middle line while it closes.
    QRect folded(m_openGeometry.left() + m_openGeometry.width() / 20,
                 m_openGeometry.center().y() - m_openGeometry.height() / 8,
                 m_openGeometry.width() - m_openGeometry.width() / 10, m_openGeometry.height() / 4);
    // The layout's minimum size would stop the fold early.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(0, 0);
    m_closeAnimation->setStartValue(m_openGeometry);
    m_closeAnimation->setEndValue(folded);
    m_closeAnimation->start();
}

void QFormatDlg::onCloseFinished()
{
    setResult(m_closeResult);
    hide();
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setGeometry(m_openGeometry);
    done(m_closeResult);
}
