#pragma once
// Helpers of the tag writer tests: generated media of every container, the decoded-audio
// hash that must not change on a tag write, and the mutagen oracle.

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <string>

#include "tagfield.h"

namespace tagtest {

// Writes a short tone in the container named by kind: "mp3", "m4a-aac", "m4a-alac",
// "m4a-faststart", "ogg-vorbis", "opus", "flac", "wav", "wma", "aiff", "aac". False on failure.
bool makeMedia(const QString& kind, const QString& path, double seconds = 2.0);
// MD5 of the decoded audio (ffmpeg's md5 muxer); empty when it does not decode.
QByteArray audioMd5(const QString& path);
// A JPEG of about 300 KB (noise, so it does not compress) / a tiny PNG.
QByteArray bigJpeg(const QString& dir);
QByteArray smallPng(const QString& dir);
// mutagen's view of the file (see mutagen_tool.py); empty object on failure.
QJsonObject mutagenDump(const QString& path);
// Tags the file with mutagen: the fields of `values` and `image` as front cover.
bool mutagenWrite(const QString& path, const QJsonObject& values, const QString& image);
// The APEv2 tag of a file as mutagen reads it / adds one with mutagen.
QJsonObject mutagenApeDump(const QString& path);
bool mutagenApeWrite(const QString& path, const QJsonObject& items);
// Runs mutagen_tool.py with a command and its arguments; its JSON output (null on failure).
QJsonValue mutagenTool(const QStringList& args);
// Writes a JSON argument compactly.
QString json(const QJsonObject& object);
// ffprobe's format and stream tags merged, keys lower-cased.
QJsonObject probeTags(const QString& path);
std::u16string u16(const QString& s);
// One field as a fresh TagFile reads the file; "<cannot open>" when it does not open.
QString readField(const QString& path, tags::Field field);

}  // namespace tagtest
