#pragma once
// The naming rules of user playlists: the name a new playlist gets, which typed names are
// refused, and how a name that another playlist already has is made unique. Names compare
// exactly (case-sensitive), as the playlist file stores them.

#include <QString>
#include <QStringList>

namespace PlayListNaming {

// "New PlayList_%1" with the smallest n (two digits at least: 00, 01, ... 99, 100) that no name
// in `taken` has.
QString newPlayListName(const QStringList& taken);

// False for an empty name and for names with a character the playlist file and the file
// system refuse: / : * " < > | ? and the backslash.
bool isAcceptableName(const QString& name);

// `wanted` when `taken` does not have it, else wanted + "(1)", "(2)", ... the first one free.
QString uniqueName(const QString& wanted, const QStringList& taken);

}  // namespace PlayListNaming
