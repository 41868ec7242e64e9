// Screenshot helper for checking track recognition's windows by eye (not a test, not shipped):
// saves, under the folder given, recognize.png (the edit dialog's Tag tab after "Recognize"
// found nothing) and online.png (the preferences' General page with online recognition on).
// Run under Xvfb with private per-user folders (XDG_* pointing at a scratch folder).
#include <QApplication>
#include <QElapsedTimer>

#include <brisca/brisca.h>

#include "generalwidget.h"
#include "qnxbasebutton.h"
#include "qnxcheckbox.h"
#include "qnxlineedit.h"
#include "qpreferencesdlg.h"
#include "qvideoeditingdlg.h"
#include "qvideoedittag.h"
#include "screenshots.h"
#include "testmusic.h"

using screenshots::shoot;

namespace {

void waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = QApplication::arguments().value(1);
    screenshots::useProgramLook();
    SetCataloguePath((dir + QStringLiteral("/catalogue.sqlite")).toUtf8().constData());
    testmusic::Track track;
    track.seconds = 20;
    track.tags = {{QStringLiteral("title"), QStringLiteral("Home Demo")}};
    const QString song = dir + QStringLiteral("/home demo.mp3");
    if (!testmusic::make(song, track))
        return 1;

    QVideoEditingDlg edit;
    edit.loadFile(song);
    edit.move(0, 0);
    edit.show();
    edit.tabBar()->selectTab(QVideoEditTag::Tag);
    edit.recognizeButton()->click();
    waitFor([&] { return !edit.isRecognizing(); });
    shoot(dir + QStringLiteral("/recognize.png"));
    edit.hide();

    QPreferencesDlg preferences;
    preferences.move(0, 0);
    preferences.show();
    preferences.generalPage()
        ->findChild<QNxCheckBox*>(QStringLiteral("m_chkOnline"))
        ->setChecked(true);
    preferences.generalPage()
        ->findChild<QNxLineEdit*>(QStringLiteral("m_editApiKey"))
        ->setText(QStringLiteral("8XaBELgH"));
    shoot(dir + QStringLiteral("/online.png"));
    return 0;
}
