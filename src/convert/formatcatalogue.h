#pragma once
// The format profile catalogue: the categories of profiles ("General Audio", "General Video")
// and the "Codecs" table, read from the catalogue's property list, and the turning of a
// profile's field values into a format descriptor.
//
// A catalogue is an immutable value. instance() is the shipped one
// (<resource folder>/profile/profiles_win.plist), read once per process through PlistDocument;
// it is safe to call from any thread.

#include "formatcodec.h"
#include "formatdescriptor.h"
#include "formatprofile.h"
#include "plist.h"

#include <QString>
#include <QStringList>
#include <QVector>

class FormatCatalogue {
public:
    FormatCatalogue() = default;
    explicit FormatCatalogue(const PlistDict& root);

    // The shipped catalogue. Throws std::runtime_error when it cannot be read.
    static const FormatCatalogue& instance();
    static QString defaultPath();

    // Root keys that hold profile arrays, sorted.
    QStringList categories() const;
    QVector<FormatProfile> profiles(const QString& category) const;
    // The first profile of the category whose "baseinfo" "id" equals id; invalid when none.
    FormatProfile profile(const QString& category, const QString& id) const;
    // The first profile with that id in any category; invalid when none.
    FormatProfile findProfile(const QString& id) const;
    // A "baseinfo" text ("title", "icon", "ext", ...) of a profile; empty when missing.
    QString profileText(const QString& category, const QString& id, const QString& key) const;
    // An entry of "Codecs"; invalid (id 0) when missing.
    FormatCodec codec(const QString& name) const;

    // Fills a descriptor from a profile and its field values (FormatProfile::fields). "Auto"
    // numbers become 0 (the encoder decides), "Original" sizes 0 x 0. False, with a reason,
    // when a codec name is not in "Codecs".
    bool describe(const FormatProfile& profile, const CustomFormatSettings& fields,
                  FormatDescriptor* out, QString* error = nullptr) const;

private:
    QMap<QString, QVector<FormatProfile>> m_profiles;
    QMap<QString, FormatCodec> m_codecs;
};
