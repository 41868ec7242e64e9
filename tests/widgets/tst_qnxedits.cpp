// Validators of the line edits, the time editor and the text edits.
#include <QSignalSpy>
#include <QtTest>

#include "qnxbasetextedit.h"
#include "qnxfilenamevalidator.h"
#include "qnxlineedit.h"
#include "qnxnumbervalidator.h"
#include "qnxtextedit.h"
#include "qnxtimeedit.h"
#include "tablerows.h"
#include "widgettestutil.h"

using tablerows::addRow;

class TestQNxEdits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WidgetTest::useBuiltResources(); }

    void numberValidator_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        const int ok = QValidator::Acceptable, mid = QValidator::Intermediate,
                  bad = QValidator::Invalid;
        QTest::newRow("in range") << 0 << 59 << "42" << ok;
        QTest::newRow("leading zero") << 0 << 59 << "07" << ok;
        QTest::newRow("above maximum") << 0 << 59 << "60" << bad;
        QTest::newRow("empty") << 0 << 59 << "" << mid;
        QTest::newRow("letters") << 0 << 59 << "4a" << bad;
        QTest::newRow("sign") << 0 << 59 << "-1" << bad;
        QTest::newRow("too many digits") << 0 << 59 << "005" << bad;
        QTest::newRow("below minimum") << 10 << 99 << "5" << mid;
        QTest::newRow("hours") << 0 << 23 << "24" << bad;
        QTest::newRow("big numbers") << 0 << 9999 << "99999999999999999999" << bad;
    }

    void numberValidator()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, input);
        QFETCH(int, state);
        QNxNumberValidator validator(minimum, maximum);
        int pos = input.size();
        QCOMPARE(int(validator.validate(input, pos)), state);
    }

    void numberFixup_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("pads") << QString("7") << QString("07");
        QTest::newRow("empty takes minimum") << QString() << QString("00");
        QTest::newRow("clamps") << QString("75") << QString("59");
        QTest::newRow("strips junk") << QString("3x") << QString("03");
    }

    void numberFixup()
    {
        QFETCH(QString, input);
        QFETCH(QString, fixed);
        QNxNumberValidator validator(0, 59);
        validator.setPadWidth(2);
        validator.fixup(input);
        QCOMPARE(input, fixed);
    }

    void fileNameValidator_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("fixed");
        const int ok = QValidator::Acceptable, mid = QValidator::Intermediate,
                  bad = QValidator::Invalid;
        QTest::newRow("plain") << "REC_20261205 1" << ok << "REC_20261205 1";
        addRow("unicode", QStringLiteral("Живой звук ♪"), ok, QStringLiteral("Живой звук ♪"));
        QTest::newRow("slash") << "a/b" << bad << "ab";
        QTest::newRow("backslash") << "a\\b" << bad << "ab";
        QTest::newRow("windows reserved") << "what? <now>" << bad << "what now";
        QTest::newRow("control") << QStringLiteral("a\tb") << bad << "ab";
        QTest::newRow("trailing dot") << "name." << mid << "name";
        QTest::newRow("trailing space") << "name " << mid << "name";
        QTest::newRow("dot dot") << ".." << mid << "";
        QTest::newRow("empty") << "" << mid << "";
        addRow("too long in bytes", QString(128, QChar(0x00e9)), bad, QString(127, QChar(0x00e9)));
    }

    void fileNameValidator()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, fixed);
        QNxFileNameValidator validator;
        QString text = input;
        int pos = 0;
        QCOMPARE(int(validator.validate(text, pos)), state);
        validator.fixup(text);
        QCOMPARE(text, fixed);
    }

    void lineEditRefusesAndFixesOnFocusOut()
    {
        QNxLineEdit edit;
        edit.setNumberRange(0, 59, 2);
        QTest::keyClicks(&edit, QStringLiteral("6"));
        QTest::keyClicks(&edit, QStringLiteral("7"));  // 67 > 59: refused as typed
        QCOMPARE(edit.text(), QStringLiteral("6"));
        QSignalSpy focusOut(&edit, &QNxLineEdit::emitFocusOut);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &out);
        QCOMPARE(edit.text(), QStringLiteral("06"));
        QCOMPARE(focusOut.count(), 1);
        QCOMPARE(focusOut.at(0).at(0).toString(), QStringLiteral("06"));
    }

    void timeEditTyping_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("edits");
        const auto row = [](const char* name, const char* format, const char* typed,
                            const char* shown, int edits) {
            QTest::newRow(name) << QString(format) << QString(typed) << QString(shown) << edits;
        };
        row("valid", "hh:mm:ss", "012345", "01:23:45", 1);
        // A refused digit is dropped and the next one lands in its place.
        row("minutes too big", "hh:mm:ss", "017045", "01:04:50", 1);
        row("hours too big", "hh:mm:ss", "250000", "20:00:00", 1);
        row("only refused digits", "hh:mm:ss", "9", "00:00:00", 0);
        row("milliseconds", "hh:mm:ss.zzz", "000102250", "00:01:02.250", 1);
    }

    void timeEditTyping()
    {
        QFETCH(QString, format);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, edits);
        QNxTimeEdit edit;
        edit.setDisplayFormat(format);
        edit.resize(edit.sizeHint());
        QSignalSpy edited(&edit, &QNxTimeEdit::emitTimeEdited);
        edit.lineEdit()->setFocus();
        edit.lineEdit()->setCursorPosition(0);
        QTest::keyClicks(edit.lineEdit(), typed);
        QCOMPARE(edit.text(), shown);
        // Every complete, valid text is reported; the last report is what is shown.
        QCOMPARE(edited.isEmpty(), edits == 0);
        if (edits > 0) {
            QCOMPARE(edited.last().at(0).toString(), shown);
            QCOMPARE(edit.time(), QTime::fromString(shown, format));
        }
    }

    void timeEditSteps_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QTime>("expected");
        addRow("minute up", QTime(1, 59, 0), int(QNxTimeEdit::MinuteSection), 1, QTime(2, 0, 0));
        addRow("second down at zero", QTime(0, 0, 0), int(QNxTimeEdit::SecondSection), -1,
               QTime(0, 0, 0));
        addRow("hour up at the end", QTime(23, 30, 0), int(QNxTimeEdit::HourSection), 1,
               QTime(23, 59, 59, 999));
    }

    void timeEditSteps()
    {
        QFETCH(QTime, start);
        QFETCH(int, section);
        QFETCH(int, steps);
        QFETCH(QTime, expected);
        QNxTimeEdit edit;
        edit.setTime(start);
        QSignalSpy edited(&edit, &QNxTimeEdit::emitTimeEdited);
        edit.stepBy(steps, QNxTimeEdit::Section(section));
        QCOMPARE(edit.time(), expected);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toString(), expected.toString(QStringLiteral("hh:mm:ss")));
    }

    void timeEditCodeChangesAreSilent()
    {
        QNxTimeEdit edit;
        QSignalSpy edited(&edit, &QNxTimeEdit::emitTimeEdited);
        QSignalSpy changed(&edit, &QNxTimeEdit::emitTimeChanged);
        edit.setTime(QTime(12, 0, 0));
        edit.setTimeRange(QTime(0, 0, 0), QTime(6, 0, 0));
        QCOMPARE(edit.time(), QTime(6, 0, 0));
        QCOMPARE(edit.text(), QStringLiteral("06:00:00"));
        QCOMPARE(edited.count(), 0);
        QCOMPARE(changed.count(), 0);
        // The up arrow key steps the section under the cursor.
        edit.lineEdit()->setCursorPosition(4);
        QTest::keyClick(edit.lineEdit(), Qt::Key_Down);
        QCOMPARE(edit.time(), QTime(5, 59, 0));
        QCOMPARE(changed.count(), 1);
    }

    void textEditLimit()
    {
        QNxBaseTextEdit edit;
        edit.setMaxLength(5);
        QTest::keyClicks(edit.viewport(), QStringLiteral("abcdefg"));
        QCOMPARE(edit.toPlainText(), QStringLiteral("abcde"));
        edit.setMaxLength(0);
        QTest::keyClicks(edit.viewport(), QStringLiteral("fg"));
        QCOMPARE(edit.toPlainText(), QStringLiteral("abcdefg"));
        edit.setMaxLength(3);
        QCOMPARE(edit.toPlainText().size(), 3);
    }

    void textEditForbiddenCharacters()
    {
        QNxTextEdit edit;
        edit.setForbiddenCharacters(QStringLiteral("\"|"));
        QSignalSpy edited(&edit, &QNxTextEdit::emitTextEdited);
        edit.setTextSilently(QStringLiteral("start"));
        QCOMPARE(edited.count(), 0);
        edit.moveCursor(QTextCursor::End);
        QTest::keyClicks(edit.viewport(), QStringLiteral(" \"x|y"));
        QCOMPARE(edit.toPlainText(), QStringLiteral("start xy"));
        QCOMPARE(edited.last().at(0).toString(), QStringLiteral("start xy"));
    }
};

QTEST_MAIN(TestQNxEdits)
#include "tst_qnxedits.moc"
