// A gallery of the skinned widgets for checking the skin by eye (not a test, not shipped):
//   quillon_widget_gallery --gallery [--popups]
// --popups also opens a menu, a message box and a dialog over the window.
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>

#include "nxskin.h"
#include "qbaseiconlistdelegate.h"
#include "qcheckboxcombobox.h"
#include "qcheckheaderview.h"
#include "qcomboboxcheckbox.h"
#include "qnxbasebutton.h"
#include "qnxbaseprogress.h"
#include "qnxbaseslider.h"
#include "qnxbuttonextend.h"
#include "qnxcheckbox.h"
#include "qnxcombobox.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxdatetimeedit.h"
#include "qnxdialogex.h"
#include "qnxlineedit.h"
#include "qnxlistview.h"
#include "qnxmainwindow.h"
#include "qnxmenu.h"
#include "qnxmessagebox.h"
#include "qnxradiobutton.h"
#include "qnxstylebutton.h"
#include "qnxtableview.h"
#include "qnxtextedit.h"
#include "qnxtimeedit.h"
#include "qnxwidget.h"

namespace {

QLabel* label(const QString& text, int pixels = 12, const QColor& color = NxSkin::text())
{
    auto* l = new QLabel(text);
    l->setFont(NxSkin::font(pixels));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    return l;
}

QNxBaseButton* imageButton(const QString& path, const QString& text = QString())
{
    auto* b = new QNxBaseButton(path);
    if (!text.isEmpty()) {
        b->setText(text);
        b->setTextMargins(QMargins(QNxBaseButton::kIconTextMargin, 0, 8, 0));
        b->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        b->setFontPixelSize(13);
    }
    b->setFixedSize(b->size());
    return b;
}

QWidget* recordBar()
{
    auto* bar = new QNxWidget;
    bar->setBackgroundImage(QStringLiteral("/image/common/bg_gradual.png"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 10, 16, 10);
    row->setSpacing(10);
    row->addWidget(imageButton(QStringLiteral("/image/btn_start_record.png"), "Start Recording"));
    row->addWidget(imageButton(QStringLiteral("/image/btn_stop_record.png"), "Stop Recording"));
    row->addWidget(imageButton(QStringLiteral("/image/btn_cut.png"), "Cut Recording"));
    row->addStretch(1);
    row->addWidget(imageButton(QStringLiteral("/image/btn_format.png"), "Format"));
    row->addWidget(imageButton(QStringLiteral("/image/btn_schedule_on.png"), "Schedule"));
    row->addWidget(imageButton(QStringLiteral("/image/btn_schedule_cancel.png")));
    return bar;
}

QWidget* inputsPanel()
{
    auto* panel = new QNxWidget;
    panel->setBackgroundColor(NxSkin::surface());
    panel->setRadius(6);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    struct Source {
        const char* image;
        const char* name;
        double volume;
        int level;
    };
    const Source sources[] = {{"/image/btn_system_on.png", "System Audio", 0.7, 64},
                              {"/image/btn_mic_off.png", "Microphone", 0.4, 0}};
    int r = 0;
    for (const Source& s : sources) {
        grid->addWidget(imageButton(QString::fromLatin1(s.image)), r, 0, 2, 1);
        grid->addWidget(label(QString::fromLatin1(s.name)), r, 1);
        auto* volume = new QNxBaseSlider(Qt::Horizontal);
        volume->setRange(0, 100);
        volume->setRatio(s.volume);
        volume->setFixedWidth(180);
        grid->addWidget(volume, r, 2);
        auto* level = new QNxBaseProgress;
        level->setRange(0, 100);
        level->setValue(s.level);
        level->setFixedHeight(6);
        grid->addWidget(level, r + 1, 1, 1, 2);
        r += 2;
    }
    auto* device = imageButton(QStringLiteral("/image/btn_device_mic.png"));
    device->setToolTip(QStringLiteral("Recording device"));
    grid->addWidget(device, 0, 3);
    auto* mics = new QNxComboBox;
    mics->addItems(
        {QStringLiteral("Built-in Audio Analog Stereo"), QStringLiteral("USB Microphone")});
    mics->setEnabled(false);
    grid->addWidget(mics, 2, 3);
    grid->setColumnStretch(2, 1);
    return panel;
}

QWidget* recordingsTable(QObject* owner)
{
    auto* model = new QStandardItemModel(0, 5, owner);
    model->setHorizontalHeaderLabels({QString(), QStringLiteral("Name"), QStringLiteral("Duration"),
                                      QStringLiteral("Size"), QString()});
    const char* rows[][3] = {{"REC_20261205_101502.mp3", "00:03:12", "4.4 MB"},
                             {"REC_20261205_094410.flac", "00:12:40", "88.1 MB"},
                             {"Interview with the choir.m4a", "01:02:05", "57.0 MB"},
                             {"REC_20261204_223000.ogg", "00:00:48", "612.4 KB"},
                             {"Radio play, part 2.wav", "00:45:10", "455.9 MB"}};
    const char* icons[] = {"/image/FileList/icon_recording.png", "/image/FileList/icon_playing.png",
                           "", "", "/image/FileList/icon_nofile.png"};
    for (int i = 0; i < 5; ++i) {
        QList<QStandardItem*> items;
        auto* state = new QStandardItem;
        if (*icons[i])
            state->setData(NxSkin::pixmap(QString::fromLatin1(icons[i])), Qt::DecorationRole);
        items << state << new QStandardItem(QString::fromUtf8(rows[i][0]))
              << new QStandardItem(QString::fromLatin1(rows[i][1]))
              << new QStandardItem(QString::fromLatin1(rows[i][2])) << new QStandardItem;
        model->appendRow(items);
    }
    auto* view = new QNxTableView;
    view->setModel(model);
    view->checkHeader()->setCheckColumn(0);
    view->checkHeader()->setSortIndicatorShown(true);
    view->checkHeader()->setSortIndicator(1, Qt::DescendingOrder);
    auto* delegate = new QNxControlStyleDelegate(view);
    delegate->setAlternatingRows(true);
    int offset = 8;
    for (const char* path : {"/image/FileList/btn_delete.png", "/image/FileList/btn_edit.png",
                             "/image/FileList/btn_play.png"}) {
        auto* b = delegate->addButton(4, new QNxStyleButton(QString::fromLatin1(path)));
        b->setPlacement(Qt::AlignRight, offset);
        offset += 28;
    }
    delegate->setButtonsOnHoverOnly(false);
    view->setItemDelegate(delegate);
    view->setColumnWidth(0, 34);
    view->setColumnWidth(1, 200);
    view->setColumnWidth(2, 80);
    view->setColumnWidth(3, 76);
    view->selectRow(2);
    view->setProperty("nxHoverRow", 1);
    return view;
}

QWidget* playlists(QObject* owner)
{
    auto* model = new QStandardItemModel(owner);
    const char* rows[][2] = {{"/image/Library/icon_list_big.png", "LIBRARY"},
                             {"/image/Library/icon_playing.png", "All Recordings"},
                             {"/image/Library/icon_list_big.png", "PLAYLIST"},
                             {"/image/Library/icon_list.png", "Rehearsals"},
                             {"/image/Library/icon_list.png", "Podcasts"}};
    for (const auto& row : rows) {
        auto* item = new QStandardItem(QString::fromLatin1(row[1]));
        item->setData(NxSkin::pixmap(QString::fromLatin1(row[0])), Qt::DecorationRole);
        if (QByteArray(row[1]).toUpper() == QByteArray(row[1]))
            item->setData(QColor(138, 142, 156), Qt::ForegroundRole);
        model->appendRow(item);
    }
    auto* view = new QNxListView;
    view->setModel(model);
    view->setItemDelegate(new QNxControlStyleDelegate(view));
    view->setCurrentIndex(model->index(1, 0));
    view->setFixedWidth(180);
    return view;
}

QWidget* formsColumn()
{
    auto* column = new QNxWidget;
    auto* form = new QFormLayout(column);
    form->setContentsMargins(12, 0, 0, 0);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* split = new QNxCheckBox(QStringLiteral("Split at silence"));
    split->setChecked(true);
    form->addRow(label(QStringLiteral("Options")), split);
    auto* discard = new QNxCheckBox(QStringLiteral("Discard short pieces"));
    form->addRow(QString(), discard);
    auto* disabled = new QNxCheckBox(QStringLiteral("Shut down when done"));
    disabled->setEnabled(false);
    form->addRow(QString(), disabled);
    auto* tray = new QNxRadioButton(QStringLiteral("Minimize to Tray"));
    auto* quit = new QNxRadioButton(QStringLiteral("Exit"));
    tray->setChecked(true);
    auto* radios = new QHBoxLayout;
    radios->addWidget(tray);
    radios->addWidget(quit);
    radios->addStretch(1);
    form->addRow(label(QStringLiteral("On close")), radios);
    auto* quality = new QNxComboBox;
    quality->addItems({QStringLiteral("High quality (320 kbps)"),
                       QStringLiteral("Standard (192 kbps)"), QStringLiteral("Small (96 kbps)")});
    form->addRow(label(QStringLiteral("Quality")), quality);
    auto* formats = new QCheckboxCombobox;
    formats->addCheckItem(QStringLiteral("MP3"), 1, true);
    formats->addCheckItem(QStringLiteral("FLAC"), 2, true);
    formats->addCheckItem(QStringLiteral("OGG"), 3);
    form->addRow(label(QStringLiteral("Formats")), formats);
    auto* silence = new QComboboxCheckbox(QStringLiteral("Stop after"));
    silence->comboBox()->addItems({QStringLiteral("5 seconds"), QStringLiteral("10 seconds")});
    form->addRow(label(QStringLiteral("Silence")), silence);
    auto* name = new QNxLineEdit(QStringLiteral("REC_20261205_101502"));
    name->setFileNameInput();
    form->addRow(label(QStringLiteral("File name")), name);
    auto* time = new QNxTimeEdit;
    time->setTime(QTime(0, 30, 0));
    auto* start = new QNxDateTimeEdit(QDateTime(QDate(2026, 12, 5), QTime(21, 0)));
    start->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm"));
    auto* times = new QHBoxLayout;
    times->addWidget(time);
    times->addWidget(start, 1);
    form->addRow(label(QStringLiteral("Schedule")), times);
    auto* comment = new QNxTextEdit;
    comment->setPlainText(QStringLiteral("Recorded live at the community hall.\nSecond set."));
    comment->setFixedHeight(58);
    form->addRow(label(QStringLiteral("Comment")), comment);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = imageButton(QStringLiteral("/image/common/btn_accent.png"));
    ok->setText(QStringLiteral("OK"));
    auto* cancel = imageButton(QStringLiteral("/image/common/btn_common.png"));
    cancel->setText(QStringLiteral("Cancel"));
    auto* reset = imageButton(QStringLiteral("/image/common/btn_common.png"));
    reset->setText(QStringLiteral("Reset"));
    reset->setEnabled(false);
    buttons->addWidget(reset);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    form->addRow(buttons);
    return column;
}

QWidget* playerBar()
{
    auto* bar = new QNxWidget;
    bar->setBackgroundImage(QStringLiteral("/image/common/bg_gradual.png"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 8, 16, 8);
    row->setSpacing(8);
    row->addWidget(imageButton(QStringLiteral("/image/BottomWidget/btn_previous.png")));
    row->addWidget(imageButton(QStringLiteral("/image/BottomWidget/btn_play.png")));
    row->addWidget(imageButton(QStringLiteral("/image/BottomWidget/btn_next.png")));
    row->addSpacing(8);
    row->addWidget(label(QStringLiteral("00:01:15"), 12, NxSkin::textDim()));
    auto* progress = new QNxBaseSlider(Qt::Horizontal);
    progress->setRange(0, 1000);
    progress->setRatio(0.38);
    row->addWidget(progress, 1);
    row->addWidget(label(QStringLiteral("00:03:12"), 12, NxSkin::textDim()));
    row->addWidget(imageButton(QStringLiteral("/image/BottomWidget/btn_volume_big.png")));
    auto* lcd = label(QStringLiteral("00:12:40"), 24, NxSkin::accent());
    QFont f(QStringLiteral("LcdD"));
    f.setPixelSize(24);
    lcd->setFont(f);
    row->addSpacing(12);
    row->addWidget(lcd);
    return bar;
}

void openPopups(QNxMainWindow* window)
{
    auto* dialog = new QNxDialogEx(window);
    dialog->setTitle(QStringLiteral("Record time options"));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(20, 16, 20, 16);
    auto* stop = new QNxCheckBox(QStringLiteral("Stop recording after"));
    stop->setChecked(true);
    layout->addWidget(stop);
    auto* length = new QHBoxLayout;
    for (const char* part : {"01", "30", "00"}) {
        auto* edit = new QNxLineEdit(QString::fromLatin1(part));
        edit->setNumberRange(0, 59, 2);
        edit->setFixedWidth(44);
        edit->setAlignment(Qt::AlignCenter);
        length->addWidget(edit);
    }
    length->addStretch(1);
    layout->addLayout(length);
    layout->addWidget(new QNxCheckBox(QStringLiteral("Start recording at a set time")));
    auto* eq = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        auto* band = new QNxBaseSlider(Qt::Vertical);
        band->setImages(QStringLiteral("/image/EditDlg/slider_bottom.png"),
                        QStringLiteral("/image/EditDlg/slider_top.png"),
                        QStringLiteral("/image/EditDlg/slider_btn.png"));
        band->setRange(0, 20);
        band->setValue(10 + (i % 3) * 3 - 3);
        band->setFixedHeight(90);
        eq->addWidget(band);
    }
    layout->addLayout(eq);
    dialog->resize(330, 300);
    dialog->move(window->geometry().topLeft() + QPoint(590, 150));
    dialog->show();

    auto* box = new QNxMessageBox(QStringLiteral("Quillon Audio Recorder"),
                                  QStringLiteral("Delete the selected recording from the list "
                                                 "and from the disk?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window);
    box->move(window->geometry().topLeft() + QPoint(150, 330));
    box->show();

    auto* menu = new QNxMenu(window);
    menu->addSkinAction(QStringLiteral("/image/icon_device_system.png"),
                        QStringLiteral("System Audio"), -1);
    QAction* mic = menu->addSkinAction(QStringLiteral("/image/icon_device_mic.png"),
                                       QStringLiteral("Built-in Audio Analog Stereo"), 1);
    mic->setCheckable(true);
    mic->setChecked(true);
    menu->addSkinAction(QStringLiteral("/image/icon_device_mic.png"),
                        QStringLiteral("USB Microphone"), 2);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Hidden (&H)"));
    menu->addAction(QStringLiteral("Quit (&Q)\tCtrl+Q"))->setEnabled(false);
    menu->popup(window->geometry().topLeft() + QPoint(360, 150));
    menu->setActiveAction(menu->actions().at(2));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!args.contains(QStringLiteral("--gallery"))) {
        fprintf(stderr, "usage: %s --gallery [--popups] [--resources <dir>]\n", argv[0]);
        return 2;
    }
    const int res = args.indexOf(QStringLiteral("--resources"));
    if (res > 0 && res + 1 < args.size())
        NxSkin::setResourceDir(args.at(res + 1));
    NxSkin::registerFonts();
    app.setFont(NxSkin::font(12));

    QNxMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillon Audio Recorder"));
    auto* menuButton = new QNxBaseButton(QStringLiteral("/image/btn_menu.png"));
    window.addTitleBarButton(menuButton);
    auto* central = new QNxWidget;
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(recordBar());
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(16, 12, 16, 12);
    middle->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(12);
    left->addWidget(inputsPanel());
    auto* lists = new QHBoxLayout;
    lists->setSpacing(12);
    lists->addWidget(playlists(&window));
    lists->addWidget(recordingsTable(&window), 1);
    left->addLayout(lists, 1);
    middle->addLayout(left, 3);
    middle->addWidget(formsColumn(), 2);
    page->addLayout(middle, 1);
    page->addWidget(playerBar());
    window.setCentralWidget(central);
    window.resize(1180, 700);
    window.move(10, 10);
    window.show();
    if (args.contains(QStringLiteral("--popups")))
        QTimer::singleShot(100, &window, [&window] { openPopups(&window); });
    return app.exec();
}
