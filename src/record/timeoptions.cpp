#include "timeoptions.h"

#include "parserxml.h"
#include "qrecordareainfo.h"
#include "scheduletime.h"

namespace TimeOptions {
namespace {

const QString kTimeElement = QStringLiteral("RECORD_TIME_INFO");
const QString kStopAfter = QStringLiteral("Bool_Stop_After_Time");
const QString kStopLength = QStringLiteral("Stop_time_lenght");
const QString kScheduleElement = QStringLiteral("RECORD_SCHEDULE_INFO");
const QString kSchedule = QStringLiteral("Bool_Schedule");
const QString kStart = QStringLiteral("Schedule_Start_Time");
const QString kEnd = QStringLiteral("Schedule_End_Time");
const QString kRepeat = QStringLiteral("Schedule_Repeat");
const QString kDays = QStringLiteral("Schedule_Days");

QString read(const QString& element, const QString& attribute, const QString& fallback)
{
    return ParserXML::getSettingValue(element, attribute, fallback);
}

// The setter writes only into an element that exists; reading first creates it.
void write(const QString& element, const QString& attribute, const QString& value)
{
    ParserXML::getSettingValue(element, attribute, QString());
    ParserXML::setSettingValue(element, attribute, value);
}

void writeBool(const QString& element, const QString& attribute, bool on)
{
    write(element, attribute, ParserXML::boolText(on));
}

ScheduleRepeat readRepeat()
{
    return ScheduleRepeat::fromText(read(kScheduleElement, kRepeat, QStringLiteral("once")),
                                    read(kScheduleElement, kDays, QString()));
}

}  // namespace

State load()
{
    State s;
    s.stopAfter = ParserXML::isTrueText(read(kTimeElement, kStopAfter, QStringLiteral("N")));
    s.stopAfterUs = read(kTimeElement, kStopLength, QStringLiteral("0")).toULongLong();
    s.startUs = read(kScheduleElement, kStart, QStringLiteral("0")).toULongLong();
    s.endUs = read(kScheduleElement, kEnd, QStringLiteral("0")).toULongLong();
    s.repeat = readRepeat();
    if (!s.stopAfter && s.startUs != s.endUs) {
        s.schedule = ParserXML::isTrueText(read(kScheduleElement, kSchedule, QStringLiteral("N")));
    } else {
        writeBool(kScheduleElement, kSchedule, false);
    }
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    area.setStopAfter(s.stopAfter);
    area.setStopAfterUs(s.stopAfterUs);
    area.setScheduleStartUs(s.startUs);
    area.setScheduleEndUs(s.endUs);
    area.setScheduleRepeat(s.repeat);
    area.setScheduled(false);
    return s;
}

void setStopAfter(bool on)
{
    writeBool(kTimeElement, kStopAfter, on);
    QRecordAreaInfo::instance().setStopAfter(on);
    if (on) {
        writeBool(kScheduleElement, kSchedule, false);
        QRecordAreaInfo::instance().setScheduled(false);
    }
}

void setSchedule(bool on)
{
    writeBool(kScheduleElement, kSchedule, on);
    QRecordAreaInfo::instance().setScheduled(on);
    if (on) {
        writeBool(kTimeElement, kStopAfter, false);
        QRecordAreaInfo::instance().setStopAfter(false);
    }
}

int clampField(const QString& text, int limit)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    return qBound(0, trimmed.toInt(), limit);
}

void setStopAfterLength(int hours, int minutes, int seconds)
{
    const uint64_t us =
        uint64_t(hours * 3600 + minutes * 60 + seconds) * ScheduleTime::kUsPerSecond;
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    if (us == area.stopAfterUs())
        return;
    write(kTimeElement, kStopLength, QString::number(us));
    area.setStopAfterUs(us);
}

void setScheduleStart(uint64_t us)
{
    write(kScheduleElement, kStart, QString::number(us));
    QRecordAreaInfo::instance().setScheduleStartUs(us);
}

void setScheduleEnd(uint64_t us)
{
    write(kScheduleElement, kEnd, QString::number(us));
    QRecordAreaInfo::instance().setScheduleEndUs(us);
}

bool confirmSchedule(bool scheduleTicked, uint64_t startUs, uint64_t endUs,
                     const ScheduleRepeat& repeat)
{
    setScheduleStart(startUs);
    setScheduleEnd(endUs);
    write(kScheduleElement, kRepeat, repeat.modeText());
    write(kScheduleElement, kDays, repeat.daysText());
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    area.setScheduleRepeat(repeat);
    const bool on = scheduleTicked && startUs != endUs && !repeat.isEmpty();
    area.setScheduled(on);
    return on;
}

// Touches the run-time copy only when there is a schedule to restore: the rest of it may hold
// what the user set since start-up.
bool restoreRepeating()
{
    const ScheduleRepeat repeat = readRepeat();
    const uint64_t startUs = read(kScheduleElement, kStart, QStringLiteral("0")).toULongLong();
    const uint64_t endUs = read(kScheduleElement, kEnd, QStringLiteral("0")).toULongLong();
    const bool on = repeat.repeats() && !repeat.isEmpty() && startUs != endUs &&
                    ParserXML::isTrueText(read(kScheduleElement, kSchedule, QStringLiteral("N"))) &&
                    !ParserXML::isTrueText(read(kTimeElement, kStopAfter, QStringLiteral("N")));
    if (!on)
        return false;
    QRecordAreaInfo& area = QRecordAreaInfo::instance();
    area.setScheduleStartUs(startUs);
    area.setScheduleEndUs(endUs);
    area.setScheduleRepeat(repeat);
    area.setScheduled(true);
    return true;
}

void resetStored()
{
    if (readRepeat().repeats())
        return;
    writeBool(kTimeElement, kStopAfter, false);
    writeBool(kScheduleElement, kSchedule, false);
    write(kScheduleElement, kStart, QStringLiteral("0"));
    write(kScheduleElement, kEnd, QStringLiteral("0"));
}

void switchScheduleOff()
{
    writeBool(kScheduleElement, kSchedule, false);
    QRecordAreaInfo::instance().setScheduled(false);
}

}  // namespace TimeOptions
