#pragma once
// SQLite, loaded when a catalogue is first opened rather than with the engine: most processes
// that load the engine never open one (`quillon fingerprint` should start as quickly as fpcalc,
// and SQLite's own symbol bindings are a good part of what it would add).

#include <sqlite3.h>

#include <string>

namespace brisca {

// The SQLite functions the catalogue calls, named after them (sqlite3_open_v2: openV2).
struct SqliteLibrary {
    decltype(&sqlite3_open_v2) openV2;
    decltype(&sqlite3_close_v2) closeV2;
    decltype(&sqlite3_exec) exec;
    decltype(&sqlite3_busy_timeout) busyTimeout;
    decltype(&sqlite3_errcode) errcode;
    decltype(&sqlite3_errmsg) errmsg;
    decltype(&sqlite3_errstr) errstr;
    decltype(&sqlite3_prepare_v2) prepareV2;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_reset) reset;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_bind_int) bindInt;
    decltype(&sqlite3_bind_int64) bindInt64;
    decltype(&sqlite3_bind_text) bindText;
    decltype(&sqlite3_bind_blob) bindBlob;
    decltype(&sqlite3_column_int64) columnInt64;
    decltype(&sqlite3_column_blob) columnBlob;
    decltype(&sqlite3_column_bytes) columnBytes;
    decltype(&sqlite3_last_insert_rowid) lastInsertRowid;
};

// Loads the library (once per process; thread-safe). Null with *error set when it or one of its
// functions cannot be found.
const SqliteLibrary* sqliteLibrary(std::string* error);

}  // namespace brisca
